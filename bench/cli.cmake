# quillmark-block's start-up against a hello-world linked to QtCore, measured side by side with
# hyperfine: cmake --build <build> --target bench_cli_startup
add_executable(quillmark_hello_qtcore ${CMAKE_CURRENT_LIST_DIR}/HelloQtCore.cpp)
target_link_libraries(quillmark_hello_qtcore PRIVATE Qt6::Core quillmark_compile_options)

find_program(HYPERFINE hyperfine)
if(HYPERFINE AND TARGET quillmark-block)
    add_custom_target(bench_cli_startup
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/cli_startup.sh $<TARGET_FILE:quillmark-block>
                $<TARGET_FILE:quillmark_hello_qtcore>
                ${CMAKE_CURRENT_LIST_DIR}/cli-20-parameters.json
                ${CMAKE_CURRENT_LIST_DIR}/cli-settings.ini
        DEPENDS quillmark-block quillmark_hello_qtcore
        USES_TERMINAL
        COMMENT "quillmark-block start-up against a QtCore hello-world")
endif()
