set(quillmark_tests_root ${PROJECT_SOURCE_DIR}/tests)

quillmark_add_qtest(parameter_list_tests
    ParameterListTest.cpp
    ${quillmark_tests_root}/support/IsolatedEnvironment.cpp
)
target_include_directories(parameter_list_tests PRIVATE ${quillmark_tests_root})

quillmark_add_qtest(param_add_dialog_tests
    ParamAddDialogTest.cpp
    ${quillmark_tests_root}/support/IsolatedEnvironment.cpp
)
target_include_directories(param_add_dialog_tests PRIVATE ${quillmark_tests_root})

# Two processes appending types at once, through a small helper program.
add_executable(type_appender TypeAppender.cpp)
target_link_libraries(type_appender PRIVATE quillmark_core)
quillmark_add_qtest(param_type_two_process_tests
    TwoProcessAppendTest.cpp
    ${quillmark_tests_root}/support/IsolatedEnvironment.cpp
)
target_include_directories(param_type_two_process_tests PRIVATE ${quillmark_tests_root})
target_compile_definitions(param_type_two_process_tests PRIVATE
    QUILLMARK_TYPE_APPENDER="$<TARGET_FILE:type_appender>")
add_dependencies(param_type_two_process_tests type_appender)
