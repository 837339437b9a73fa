# Loading the settings: the whole start-up read with catalogues of 1,000 and 100,000 entries, and
# with a hand-edited value of megabytes.
add_executable(settings_benchmark SettingsLoadBenchmark.cpp)
target_link_libraries(settings_benchmark PRIVATE quillmark_core benchmark::benchmark)
