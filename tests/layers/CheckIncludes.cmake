# Fails when a file of SRC includes a folder its own folder may not include. The folders stand in
# layers, each including only its own layer and those below:
#   platform
#   framework
#   core, media, widgets, profiles   (one layer: they include each other)
#   board
#   game, screens                    (one layer: each opens the other's screens)
#   program                          (the start-up that makes every screen)
#   main.cpp
# headless stands beside game and screens and includes up to board; only headless includes it (the
# game never links it). Every folder of SRC must have its place here: a new one fails until added.
# cmake -DSRC=<src folder> -P CheckIncludes.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SRC)
    message(FATAL_ERROR "SRC not set")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)

set(below_board platform framework core media widgets profiles)
set(may_platform platform)
set(may_framework platform framework)
foreach(folder core media widgets profiles)
    set(may_${folder} ${below_board})
endforeach()
set(may_board ${below_board} board)
set(may_game ${below_board} board game screens)
set(may_screens ${may_game})
set(may_headless ${below_board} board headless)
set(may_program ${may_game} program)
set(may_main ${may_program})

set(found "")
# Notes each include, in the files given, of a folder of SRC that the list allowed does not hold.
function(check_files files allowed)
    foreach(file ${files})
        file(STRINGS ${SRC}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z_]+/")
        foreach(line ${lines})
            string(REGEX REPLACE "^[^\"]*\"([A-Za-z_]+)/.*" "\\1" target "${line}")
            if(IS_DIRECTORY ${SRC}/${target} AND NOT target IN_LIST allowed)
                string(STRIP "${line}" line)
                list(APPEND found "${file}: ${line}")
            endif()
        endforeach()
    endforeach()
    set(found "${found}" PARENT_SCOPE)
endfunction()

file(GLOB entries RELATIVE ${SRC} ${SRC}/*)
foreach(entry ${entries})
    if(IS_DIRECTORY ${SRC}/${entry})
        if(NOT DEFINED may_${entry})
            list(APPEND found "${entry}/: a folder without a layer")
            continue()
        endif()
        file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/${entry}/*)
        check_files("${files}" "${may_${entry}}")
    else()
        check_files("${entry}" "${may_main}")
    endif()
endforeach()

list(LENGTH found count)
if(count GREATER 0)
    list(JOIN found "\n" report)
    message(FATAL_ERROR "${count} layer faults:\n${report}")
endif()
message(STATUS "No upward includes below ${SRC}")
