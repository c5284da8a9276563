# velnor-cli dump, convert and check on the stored test documents.
set(data ${CMAKE_CURRENT_SOURCE_DIR}/data)
set(scratch ${CMAKE_CURRENT_BINARY_DIR}/cli)
file(MAKE_DIRECTORY ${scratch})

add_test(NAME CliCheckAcceptsAStoredDocument
    COMMAND velnor-cli check ${data}/every_record.plm)
add_test(NAME CliConvertWritesTheSameBytes
    COMMAND sh -c "\"$1\" convert \"$2\" \"$3\" && cmp \"$2\" \"$3\""
        sh $<TARGET_FILE:velnor-cli> ${data}/every_record.plm ${scratch}/converted.plm)
add_test(NAME CliCheckRefusesATruncatedDocument
    COMMAND sh -c "head -c 1000 \"$2\" > \"$3\" && \"$1\" check \"$3\" 2>&1; echo exit $?"
        sh $<TARGET_FILE:velnor-cli> ${data}/every_record.plm ${scratch}/truncated.plm)
set_tests_properties(CliCheckRefusesATruncatedDocument PROPERTIES PASS_REGULAR_EXPRESSION
    "truncated.plm: 数据不完整.*exit 1")
add_test(NAME CliCheckReportsEachReferenceThatNamesNothing
    COMMAND sh -c "\"$1\" check \"$2\" 2>&1; echo exit $?"
        sh $<TARGET_FILE:velnor-cli> ${data}/dangling_button_targets.plm)
set_tests_properties(CliCheckReportsEachReferenceThatNamesNothing PROPERTIES PASS_REGULAR_EXPRESSION
    "引用了不存在的线 7\n.*引用了不存在的面 5\n.*引用了不存在的组件 3\nexit 1")
add_test(NAME CliDumpPrintsTheAgreedKeys
    COMMAND velnor-cli dump ${data}/every_record.plm)
set_tests_properties(CliDumpPrintsTheAgreedKeys PROPERTIES PASS_REGULAR_EXPRESSION
    "\"next_page_id\": 4,.*\"components\": .*\"pages\": .*\"notes_rtf\": ")
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
    add_test(NAME CliDumpIsStrictUtf8Json
        COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/cli/dump_is_strict_json.py
            $<TARGET_FILE:velnor-cli> ${data} ${scratch}/strict_json)
endif()
if(Python3_FOUND)
    add_test(NAME CliPrintsACubeNetAtItsTrueSize
        COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/cli/net_on_paper.py
            $<TARGET_FILE:velnor-cli> ${data} ${scratch}/net_on_paper)
endif()
