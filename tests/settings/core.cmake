# A second process for the tests of concurrent writers, locks, full disks and killed writers.
add_executable(settings_profile_writer ProfileWriterProcess.cpp)
target_link_libraries(settings_profile_writer PRIVATE quillmark_core)

quillmark_add_gtest(settings_store_tests
    ProfileFileTest.cpp
    ProfileProcessTest.cpp
    ProfileReadTest.cpp
    ProfileWriteTest.cpp
    RegIniTest.cpp
    RegistryTest.cpp
    SettingsLayoutTest.cpp
)
target_compile_definitions(settings_store_tests PRIVATE
    QUILLMARK_PROFILE_WRITER="$<TARGET_FILE:settings_profile_writer>")
add_dependencies(settings_store_tests settings_profile_writer)
