# Installs the build into a fresh prefix and checks that a desktop gets what it needs from it.
# Called with -DBUILD=<build dir> -DPREFIX=<empty folder to install into>.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
    bin/velnor
    bin/velnor-cli
    share/applications/velnor.desktop
    share/mime/packages/velnor.xml
    share/metainfo/com.kalbrix.velnor.metainfo.xml
    share/icons/hicolor/scalable/apps/velnor.svg
    share/icons/hicolor/scalable/mimetypes/application-x-velnor.svg
    share/velnor/Img1.jpg
    share/velnor/Img2.jpg
    share/velnor/Img3.jpg)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/velnor.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "missing from the install tree: ${file}")
    endif()
endforeach()

file(GLOB examples ${PREFIX}/share/velnor/examples/*.plm)
list(LENGTH examples example_count)
if(example_count EQUAL 0)
    message(FATAL_ERROR "no example documents in share/velnor/examples")
endif()
foreach(example IN LISTS examples)
    execute_process(COMMAND ${PREFIX}/bin/velnor-cli check ${example} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "installed example does not check: ${example}")
    endif()
endforeach()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/velnor.desktop
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects the installed entry")
endif()

execute_process(COMMAND appstreamcli validate --no-net
                        ${PREFIX}/share/metainfo/com.kalbrix.velnor.metainfo.xml
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects the installed metainfo")
endif()

# An installed program must not depend on the tree it was built in. Debug information names
# source files, so only what the program itself holds is searched.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" build_pattern "${BUILD}")
foreach(program IN ITEMS velnor velnor-cli)
    set(stripped ${PREFIX}/${program}.stripped)
    execute_process(COMMAND objcopy --strip-debug ${PREFIX}/bin/${program} ${stripped}
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "objcopy could not read bin/${program}")
    endif()
    file(STRINGS ${stripped} build_paths REGEX "${build_pattern}")
    file(REMOVE ${stripped})
    if(build_paths)
        message(FATAL_ERROR "bin/${program} names the build tree: ${build_paths}")
    endif()
endforeach()

# The file type must compile into a MIME database that maps *.plm to it.
execute_process(COMMAND update-mime-database ${PREFIX}/share/mime RESULT_VARIABLE status)
file(READ ${PREFIX}/share/mime/globs2 globs)
if(NOT status EQUAL 0 OR NOT globs MATCHES "application/x-velnor:\\*\\.plm")
    message(FATAL_ERROR "the MIME database does not give *.plm its type")
endif()
