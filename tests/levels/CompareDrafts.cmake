# Fails unless the level files drafted from tools/levelcheck/level_designs.py are, byte for byte,
# the ones in data/levels: a hand edit of a drafted file would be lost at the next draft.
# cmake -DPYTHON=<python3> -DSOURCE=<source tree> -DOUT=<scratch folder> -P CompareDrafts.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable PYTHON SOURCE OUT)
    if(NOT ${variable})
        message(FATAL_ERROR "${variable} not set")
    endif()
endforeach()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${PYTHON} ${SOURCE}/tools/levelcheck/draft_levels.py --out ${OUT}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "draft_levels.py failed (${status}):\n${error}")
endif()

file(GLOB drafted RELATIVE ${OUT} ${OUT}/*.txt)
list(LENGTH drafted count)
if(count EQUAL 0)
    message(FATAL_ERROR "draft_levels.py drafted nothing into ${OUT}")
endif()
set(differ "")
foreach(name ${drafted})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${SOURCE}/data/levels/${name}
                    RESULT_VARIABLE same OUTPUT_QUIET ERROR_QUIET)
    if(NOT same EQUAL 0)
        list(APPEND differ "data/levels/${name}")
    endif()
endforeach()
if(differ)
    list(JOIN differ "\n" report)
    message(FATAL_ERROR "drafted from tools/levelcheck/level_designs.py, yet different (edit the design and "
                        "redraft with python3 tools/levelcheck/draft_levels.py):\n${report}")
endif()
file(REMOVE_RECURSE ${OUT})
message(STATUS "${count} drafted level files match data/levels")
