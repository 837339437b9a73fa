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
# Again on a screen of twice the density.
add_test(NAME param_add_dialog_dense_screen_tests COMMAND param_add_dialog_tests)
set_tests_properties(param_add_dialog_dense_screen_tests PROPERTIES
    ENVIRONMENT "${QUILLMARK_TEST_ENV};QT_SCALE_FACTOR=2")

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
