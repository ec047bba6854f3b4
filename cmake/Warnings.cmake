# Warnings for our own targets: sw_warnings(target).
function(sw_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wno-unused-parameter)
    if(SLEETWHISTLE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
