# Start-up of the application against a bare Qt Widgets window (bench/startup_bench.sh runs both).
add_executable(quillmark_bare_window
    ${CMAKE_CURRENT_SOURCE_DIR}/BareWindow.cpp
    ${PROJECT_SOURCE_DIR}/src/shell/ShownProbe.cpp
)
target_include_directories(quillmark_bare_window PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(quillmark_bare_window PRIVATE Qt6::Widgets quillmark_compile_options)
set_target_properties(quillmark_bare_window PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
