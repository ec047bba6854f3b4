# sw_add_tests(folder SOURCES a.cpp ... [GL_SOURCES b.cpp ...] [LIBS lib ...] [REQUIRES fixture ...]
#              [TIMEOUT seconds] [GL_LOCK resource] [SCALED_WINDOW gtest-filter] [GL_LAUNCHER command ...]
#              [DRAW_ON_READ])
# Makes test_<folder> (label <folder>) and test_<folder>_gl (labels <folder> and gl, needs a display).
# Every test is killed after its timeout, so a hung test fails instead of stalling the suite.
# REQUIRES names CTest fixtures (FIXTURES_REQUIRED) that run before the folder's tests. TIMEOUT
# raises the timeout of a folder whose tests run the whole game. GL_LOCK names a resource that the
# folder's GL tests hold one at a time, for tests that move the display's one shared pointer.
# SCALED_WINDOW names the GL tests (a gtest filter) that run a second time, as <name>.scaled_window,
# in the mode players run: full screen on the larger desktop (SLEETWHISTLE_TEST_SCALED_WINDOW=1 opens
# the suite's mode full screen; the game opens full screen unless told otherwise), every frame
# drawn scaled into the window and its draws kept for whatever reads the frame, with the same
# checks as the first pass. GL_LAUNCHER runs each GL test through a command, e.g. one that gives
# it a display of its own. DRAW_ON_READ has the games that the GL tests run draw only the frames
# they keep (not in the scaled-window pass, which draws and presents every frame).
find_package(GTest REQUIRED)
include(GoogleTest)

set(SLEETWHISTLE_TEST_TIMEOUT 60 CACHE STRING "Seconds before CTest kills a test (raise for slow builds)")

function(sw_add_tests folder)
    cmake_parse_arguments(T "DRAW_ON_READ" "TIMEOUT;GL_LOCK;SCALED_WINDOW" "SOURCES;GL_SOURCES;LIBS;REQUIRES;GL_LAUNCHER" ${ARGN})
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
        if(T_SCALED_WINDOW)
            # Once more in the full-screen player's mode: the frames read must be those of the
            # first pass, which the tests check against the frame drawn unscaled.
            gtest_discover_tests(test_${folder}_gl DISCOVERY_MODE PRE_TEST TEST_SUFFIX .scaled_window
                TEST_FILTER ${T_SCALED_WINDOW}
                PROPERTIES LABELS gl TIMEOUT ${T_TIMEOUT} ${fixtures} ${lock} ENVIRONMENT "SLEETWHISTLE_HEADLESS=1"
                           ENVIRONMENT_MODIFICATION "SLEETWHISTLE_TEST_SCALED_WINDOW=set:1")
        endif()
    endif()
endfunction()
