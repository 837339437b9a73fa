# Opening the parameter dialog and its type list with catalogues of 25,000 and 100,000 types.
add_executable(type_list_benchmark ${CMAKE_CURRENT_LIST_DIR}/TypeListBenchmark.cpp)
target_link_libraries(type_list_benchmark PRIVATE quillmark_ui benchmark::benchmark)
