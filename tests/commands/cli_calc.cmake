# `velnor-cli calc` prints the calculator's result, or an empty line for a rejected formula.
# Called by CTest with -DCLI=...

function(expect_calc formula x y expected)
    execute_process(COMMAND ${CLI} calc ${formula} ${x} ${y}
                    RESULT_VARIABLE status OUTPUT_VARIABLE printed)
    if(NOT status EQUAL 0 OR NOT printed STREQUAL "${expected}\n")
        message(FATAL_ERROR "calc ${formula} ${x} ${y}: status ${status}, printed '${printed}'")
    endif()
endfunction()

expect_calc("x*y+1" 3 4 "13")
expect_calc("x/y" 1 4 "0.25")
expect_calc("x+" 1 2 "")

execute_process(COMMAND ${CLI} calc "x" one 2 RESULT_VARIABLE status)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "calc with a value that is not a number: status ${status}")
endif()
