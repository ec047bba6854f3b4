# sw_add_tests(folder SOURCES a.cpp ... [GL_SOURCES b.cpp ...] [LIBS lib ...] [REQUIRES fixture ...]
#              [TIMEOUT seconds] [GL_LOCK resource] [OFFSCREEN gtest-filter] [GL_LAUNCHER command ...]
#              [DRAW_ON_READ])
# Makes test_<folder> (label <folder>) and test_<folder>_gl (labels <folder> and gl, needs a display).
# Every test is killed after its timeout, so a hung test fails instead of stalling the suite.
# REQUIRES names CTest fixtures (FIXTURES_REQUIRED) that run before the folder's tests. TIMEOUT
# raises the timeout of a folder whose tests run the whole game. GL_LOCK names a resource that the
# folder's GL tests hold one at a time, for tests that move the display's one shared pointer.
# OFFSCREEN names the GL tests (a gtest filter, "*" for all) that run a second time with every frame
# drawn off screen and blitted, for folders whose tests are about presenting frames. GL_LAUNCHER
# runs each GL test through a command, e.g. one that gives it a display of its own. DRAW_ON_READ
# has the games that the GL tests run draw only the frames they keep (not in the off-screen pass).
find_package(GTest REQUIRED)
include(GoogleTest)

set(SLEETWHISTLE_TEST_TIMEOUT 60 CACHE STRING "Seconds before CTest kills a test (raise for slow builds)")

function(sw_add_tests folder)
    cmake_parse_arguments(T "DRAW_ON_READ" "TIMEOUT;GL_LOCK;OFFSCREEN" "SOURCES;GL_SOURCES;LIBS;REQUIRES;GL_LAUNCHER" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT ${SLEETWHISTLE_TEST_TIMEOUT})
    endif()
    set(fixtures "")
    if(T_REQUIRES)
        list(JOIN T_REQUIRES ";" joined)
        set(fixtures FIXTURES_REQUIRED "${joined}")
    endif()
    set(lock "")
    if(T_GL_LOCK)
        set(lock RESOURCE_LOCK ${T_GL_LOCK})
    endif()
    # Every test of the folder carries the folder's label; GL tests add "gl".
    set_property(DIRECTORY PROPERTY LABELS ${folder})
    if(T_SOURCES)
        add_executable(test_${folder} ${T_SOURCES})
        target_link_libraries(test_${folder} PRIVATE ${T_LIBS} test_support GTest::gtest GTest::gtest_main)
        sw_warnings(test_${folder})
        gtest_discover_tests(test_${folder} DISCOVERY_MODE PRE_TEST
            PROPERTIES TIMEOUT ${T_TIMEOUT} ${fixtures} ENVIRONMENT "SLEETWHISTLE_HEADLESS=1")
    endif()
    if(T_GL_SOURCES)
        add_executable(test_${folder}_gl ${T_GL_SOURCES})
        target_link_libraries(test_${folder}_gl PRIVATE ${T_LIBS} test_support GTest::gtest GTest::gtest_main)
        sw_warnings(test_${folder}_gl)
        if(T_GL_LAUNCHER)
            # gtest_discover_tests runs the listing and every test through the target's emulator.
            set_property(TARGET test_${folder}_gl PROPERTY CROSSCOMPILING_EMULATOR ${T_GL_LAUNCHER})
        endif()
        set(draw "")
        if(T_DRAW_ON_READ)
            set(draw ENVIRONMENT_MODIFICATION "SLEETWHISTLE_DRAW_ON_READ=set:1")
        endif()
        gtest_discover_tests(test_${folder}_gl DISCOVERY_MODE PRE_TEST
            PROPERTIES LABELS gl TIMEOUT ${T_TIMEOUT} ${fixtures} ${lock} ENVIRONMENT "SLEETWHISTLE_HEADLESS=1" ${draw})
        if(T_OFFSCREEN)
            # Once more with every frame drawn off screen and blitted, the way scaled and letterboxed
            # frames are presented, so both ways of presenting pass the same tests.
            gtest_discover_tests(test_${folder}_gl DISCOVERY_MODE PRE_TEST TEST_SUFFIX .offscreen_frame
                TEST_FILTER ${T_OFFSCREEN}
                PROPERTIES LABELS gl TIMEOUT ${T_TIMEOUT} ${fixtures} ${lock} ENVIRONMENT "SLEETWHISTLE_HEADLESS=1"
                           ENVIRONMENT_MODIFICATION "SLEETWHISTLE_OFFSCREEN_FRAME=set:1")
        endif()
    endif()
endfunction()
