# Builds the Debian package in a fresh folder and checks its control data and contents.
cmake_minimum_required(VERSION 3.25)
# cmake -DCPACK_CONFIG= -DWORK= -DEXPECT_WINDOW=ON|OFF -P CheckDebianPackage.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND cpack -G DEB --config ${CPACK_CONFIG} -B ${WORK}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB packages ${WORK}/quillmark_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one quillmark_*.deb in ${WORK}, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb -I ${packages} OUTPUT_VARIABLE info RESULT_VARIABLE status)
foreach(field "Package: quillmark" "Depends: .*libqt6core6")
    if(NOT info MATCHES "${field}")
        message(FATAL_ERROR "control data lacks '${field}':\n${info}")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE contents RESULT_VARIABLE status)
set(expected
    ./usr/bin/quillmark-block
    ./usr/share/applications/quillmark.desktop
    ./usr/share/icons/hicolor/scalable/apps/quillmark.svg)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/quillmark.png)
endforeach()
if(EXPECT_WINDOW)
    list(APPEND expected ./usr/bin/quillmark)
endif()
foreach(path IN LISTS expected)
    string(REPLACE "." "\\." pattern "${path}")
    if(NOT contents MATCHES " ${pattern}\n")
        message(FATAL_ERROR "package lacks ${path}:\n${contents}")
    endif()
endforeach()

# The packaged tool runs from the unpacked tree (with the system's Qt).
execute_process(COMMAND dpkg-deb -x ${packages} ${WORK}/root RESULT_VARIABLE status)
execute_process(COMMAND ${WORK}/root/usr/bin/quillmark-block --version
                OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^quillmark-block [0-9]")
    message(FATAL_ERROR "the packaged quillmark-block does not run: ${status} ${version}")
endif()
