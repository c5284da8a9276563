# Runs `velnor-cli run` on the README's cube script, dumps the result and checks it through the
# JSON keys that scripts rely on; then checks that a bad script, or one that cannot be read, exits
# with 2 and writes nothing.
# Called by CTest with -DCLI=... -DDATA=... -DWORK=...

file(MAKE_DIRECTORY ${WORK})
set(out ${WORK}/cube.plm)
file(REMOVE ${out})
execute_process(COMMAND ${CLI} run ${DATA}/cube_button.script -o ${out}
                RESULT_VARIABLE status OUTPUT_VARIABLE printed ERROR_VARIABLE problems)
if(NOT status EQUAL 0 OR NOT printed STREQUAL "")
    message(FATAL_ERROR "run: status ${status}, printed '${printed}', errors '${problems}'")
endif()

execute_process(COMMAND ${CLI} dump ${out} RESULT_VARIABLE status OUTPUT_VARIABLE json)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "dump: status ${status}")
endif()
foreach(key settings next_page_id components pages notes_rtf)
    string(JSON ignored ERROR_VARIABLE missing GET "${json}" ${key})
    if(missing)
        message(FATAL_ERROR "the dump has no ${key}")
    endif()
endforeach()
string(JSON vertices LENGTH "${json}" pages 0 vertices)
string(JSON lines LENGTH "${json}" pages 0 lines)
string(JSON label GET "${json}" pages 0 vertices 4 label)
string(JSON topZ GET "${json}" pages 0 vertices 6 z)
string(JSON edge GET "${json}" pages 0 texts 0 value)
string(JSON angle GET "${json}" pages 0 texts 1 value)
string(JSON buttonKey GET "${json}" pages 0 buttons 0 key)
string(JSON buttonState GET "${json}" pages 0 buttons 0 state)
if(NOT vertices EQUAL 8 OR NOT lines EQUAL 12 OR NOT label STREQUAL "E"
   OR NOT buttonKey EQUAL 3024 OR NOT buttonState EQUAL 1)
    message(FATAL_ERROR "unexpected figure: ${vertices} vertices, ${lines} lines, label ${label}, "
                        "button ${buttonKey} in state ${buttonState}")
endif()
# Within 0.01 of 5 (the lifted top, the lifted edge AE) and of 90 (the dihedral angle).
set(nearFive "^(4\\.99[0-9]*|5(\\.00[0-9]*)?)$")
if(NOT topZ MATCHES "${nearFive}" OR NOT edge MATCHES "${nearFive}"
   OR NOT angle MATCHES "^(89\\.99[0-9]*|90(\\.00[0-9]*)?)$")
    message(FATAL_ERROR "unexpected values: top z ${topZ}, |AE| ${edge}, angle ${angle}")
endif()

file(WRITE ${WORK}/bad.script "point 0 0 0\nfrobnicate\n")
file(REMOVE ${WORK}/bad.plm)
execute_process(COMMAND ${CLI} run ${WORK}/bad.script -o ${WORK}/bad.plm
                RESULT_VARIABLE status ERROR_VARIABLE problems)
if(NOT status EQUAL 2 OR EXISTS ${WORK}/bad.plm OR NOT problems MATCHES "line 2: unknown command")
    message(FATAL_ERROR "bad script: status ${status}, errors '${problems}'")
endif()

# A folder given as the script cannot be read: status 2, and the document named by -o is kept.
file(MAKE_DIRECTORY ${WORK}/folder.script)
file(COPY_FILE ${out} ${WORK}/keep.plm)
execute_process(COMMAND ${CLI} run ${WORK}/folder.script -o ${WORK}/keep.plm
                RESULT_VARIABLE status ERROR_VARIABLE problems)
file(SHA256 ${out} kept)
file(SHA256 ${WORK}/keep.plm now)
if(NOT status EQUAL 2 OR NOT kept STREQUAL now OR NOT problems MATCHES "cannot read the script")
    message(FATAL_ERROR "folder as script: status ${status}, errors '${problems}'")
endif()
