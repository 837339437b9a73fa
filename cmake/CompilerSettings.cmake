# Warnings, sanitizers and fuzzing instrumentation shared by every target of the project.
add_library(quillmark_compile_options INTERFACE)

target_compile_options(quillmark_compile_options INTERFACE -Wall -Wextra -Wpedantic)
if(QUILLMARK_WERROR)
    target_compile_options(quillmark_compile_options INTERFACE -Werror)
endif()

target_compile_definitions(quillmark_compile_options INTERFACE QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

if(QUILLMARK_SANITIZE)
    set(quillmark_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined
                             -fno-omit-frame-pointer)
    target_compile_options(quillmark_compile_options INTERFACE ${quillmark_sanitizers})
    target_link_options(quillmark_compile_options INTERFACE ${quillmark_sanitizers})
endif()

if(QUILLMARK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUILLMARK_FUZZ needs clang (libFuzzer)")
    endif()
    # Coverage instrumentation everywhere; only the fuzz targets link libFuzzer's main.
    target_compile_options(quillmark_compile_options INTERFACE -fsanitize=fuzzer-no-link)
endif()
