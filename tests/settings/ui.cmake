quillmark_add_qtest(options_dialog_tests
    OptionsDialogTest.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/IsolatedEnvironment.cpp
)
target_include_directories(options_dialog_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
