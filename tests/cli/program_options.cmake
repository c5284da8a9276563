# Both programs answer --help and --version (and velnor-cli `help`) with exit status 0, and the
# window program started without a display says so in one line and exits with status 1.
# Called by CTest with -DAPP=<velnor> -DCLI=<velnor-cli> -DVERSION=<project version>.

function(expect_printed expected)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE printed
                    ERROR_VARIABLE errors)
    if(NOT status EQUAL 0 OR NOT printed MATCHES "${expected}")
        message(FATAL_ERROR "${ARGN}: status ${status}, printed '${printed}', errors '${errors}'")
    endif()
endfunction()

expect_printed("^usage: velnor \\[FILE.plm\\]" ${APP} --help)
expect_printed("^velnor ${VERSION}\n$" ${APP} --version)
expect_printed("^usage: velnor-cli <subcommand>" ${CLI} --help)
expect_printed("^usage: velnor-cli <subcommand>" ${CLI} help)
expect_printed("^velnor-cli ${VERSION}\n$" ${CLI} --version)

foreach(display IN ITEMS "--unset=DISPLAY" "DISPLAY=:9999")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env ${display} --unset=WAYLAND_DISPLAY
                            --unset=QT_QPA_PLATFORM ${APP}
                    RESULT_VARIABLE status OUTPUT_VARIABLE printed ERROR_VARIABLE errors
                    TIMEOUT 30)
    string(REGEX MATCHALL "\n" lines "${errors}")
    list(LENGTH lines line_count)
    if(NOT status EQUAL 1 OR NOT line_count EQUAL 1 OR NOT errors MATCHES "^velnor: .*display")
        message(FATAL_ERROR "velnor with ${display}: status ${status}, errors '${errors}'")
    endif()
endforeach()
