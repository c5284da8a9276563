# Every example page as every model format, read back by programs nobody here wrote: assimp for
# all, the Khronos validator for glTF with no error. The OBJ's colours must come with it. A page
# whose faces close (velnor-cli says nothing about open faces) must also reach admesh closed.
file(GLOB documents ${EXAMPLES}/*.plm)
if(NOT documents)
    message(FATAL_ERROR "no example documents in ${EXAMPLES}")
endif()
file(MAKE_DIRECTORY ${WORK})

function(check_run what)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${what} failed (${status}):\n${out}\n${err}")
    endif()
    set(output "${out}${err}" PARENT_SCOPE)
endfunction()

foreach(document IN LISTS documents)
    get_filename_component(name ${document} NAME_WE)
    foreach(format IN LISTS FORMATS)
        set(model ${WORK}/${name}.${format})
        file(REMOVE ${model})
        check_run("velnor-cli render ${name} to ${format}"
                  ${CLI} render ${document} --page 1 --tubes 0.05 --balls 0.1 -o ${model})
        set(note "${output}")
        check_run("assimp info ${name}.${format}" assimp info ${model})
        if(NOT output MATCHES "Faces: +[1-9]")
            message(FATAL_ERROR "assimp finds no faces in ${name}.${format}:\n${output}")
        endif()
        if(format STREQUAL "obj" AND NOT (EXISTS ${WORK}/${name}.mtl AND
                                          output MATCHES "Named Materials:.*'colour_"))
            message(FATAL_ERROR "assimp finds no colours for ${name}.obj:\n${output}")
        endif()
        if(format STREQUAL "glb")
            check_run("the glTF validator on ${name}.glb" node ${TOOLS}/validate_gltf.js ${model})
        endif()
        if(format STREQUAL "stl")
            # Without tubes and balls, which are closed each but touch the faces.
            check_run("velnor-cli render ${name} to faces only" ${CLI} render ${document}
                      --page 1 -o ${WORK}/${name}.faces.stl)
            set(faces_note "${output}")
            check_run("admesh ${name}" admesh ${WORK}/${name}.faces.stl)
            if(NOT faces_note MATCHES "没有围成封闭" AND NOT output MATCHES
               "Edges fixed +: +0[^0-9].*Backwards edges +: +0[^0-9]")
                message(FATAL_ERROR "${name}: closed faces, yet admesh mends them:\n${output}")
            endif()
        endif()
    endforeach()
endforeach()
