# Fails when a lower folder of SRC includes a higher one: platform, framework, core, media, widgets
# and profiles never include board, game, screens or program, and only program itself and main.cpp
# include program (the start-up that makes every screen).
# cmake -DSRC=<src folder> -P CheckIncludes.cmake
if(NOT SRC)
    message(FATAL_ERROR "SRC not set")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)

set(found "")
function(check_folder pattern include_regex)
    file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/${pattern})
    foreach(file ${files})
        file(STRINGS ${SRC}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"${include_regex}/")
        foreach(line ${lines})
            string(STRIP "${line}" line)
            list(APPEND found "${file}: ${line}")
        endforeach()
    endforeach()
    set(found "${found}" PARENT_SCOPE)
endfunction()

foreach(folder platform framework core media widgets profiles)
    check_folder("${folder}/*" "(board|game|screens|program)")
endforeach()
foreach(folder board game screens)
    check_folder("${folder}/*" "program")
endforeach()

list(LENGTH found count)
if(count GREATER 0)
    list(JOIN found "\n" report)
    message(FATAL_ERROR "${count} upward includes:\n${report}")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)
message(STATUS "No upward includes below ${SRC}")
