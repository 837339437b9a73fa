# Builds the Debian package in a fresh folder, checks its control data and contents, and installs
# and removes it in a scratch root.
cmake_minimum_required(VERSION 3.25)
# cmake -DCPACK_CONFIG= -DWORK= -P CheckDebianPackage.cmake
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
    ./usr/bin/quillmark
    ./usr/bin/quillmark-block
    ./usr/share/applications/quillmark.desktop
    ./usr/share/icons/hicolor/scalable/apps/quillmark.svg)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected ./usr/share/icons/hicolor/${size}x${size}/apps/quillmark.png)
endforeach()
foreach(path IN LISTS expected)
    string(REPLACE "." "\\." pattern "${path}")
    if(NOT contents MATCHES " ${pattern}\n")
        message(FATAL_ERROR "package lacks ${path}:\n${contents}")
    endif()
endforeach()

# Installs the package into a scratch root with a database of its own, runs the installed tool,
# then removes the package again. --root also keeps dpkg's database inside it, and --log keeps its
# log out of the machine's /var/log, so the machine's own dpkg state is never touched; the missing
# dependencies (the scratch database knows no other package) are expected. Works as root and, with
# --force-not-root, as a normal user. No network is needed.
set(root ${WORK}/root)
set(admin ${root}/var/lib/dpkg)
file(MAKE_DIRECTORY ${admin}/info ${admin}/updates)
file(TOUCH ${admin}/status ${admin}/available)
set(dpkg dpkg --root=${root} --log=${WORK}/dpkg.log --force-not-root)
# dpkg insists on finding ldconfig and start-stop-daemon, which a normal user's PATH may lack.
set(ENV{PATH} "$ENV{PATH}:/usr/sbin:/sbin")

function(run_dpkg what)
    execute_process(COMMAND ${dpkg} ${ARGN}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg ${what} failed (${status}):\n${output}")
    endif()
endfunction()

function(package_status result)
    execute_process(COMMAND ${dpkg} --status quillmark
                    OUTPUT_VARIABLE output ERROR_VARIABLE error RESULT_VARIABLE status)
    set(${result} "${output}" PARENT_SCOPE)
endfunction()

run_dpkg(install --force-depends --install ${packages})
package_status(status_text)
if(NOT status_text MATCHES "\nStatus: install ok installed\n")
    message(FATAL_ERROR "not installed after dpkg --install:\n${status_text}")
endif()
execute_process(COMMAND ${dpkg} --audit OUTPUT_VARIABLE audit ERROR_VARIABLE audit)
if(NOT audit STREQUAL "")
    message(FATAL_ERROR "dpkg --audit after installing:\n${audit}")
endif()
foreach(path IN LISTS expected)
    if(NOT EXISTS ${root}/${path})
        message(FATAL_ERROR "installing put no ${path} into ${root}")
    endif()
endforeach()

# The installed tool runs (with the system's Qt).
execute_process(COMMAND ${root}/usr/bin/quillmark-block --version
                OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^quillmark-block [0-9]")
    message(FATAL_ERROR "the installed quillmark-block does not run: ${status} ${version}")
endif()

run_dpkg(remove --remove quillmark)
package_status(status_text)
if(status_text MATCHES "Status: [a-z]+ [a-z]+ (installed|config-files|half)")
    message(FATAL_ERROR "still known to dpkg after --remove:\n${status_text}")
endif()
# Nothing but dpkg's own database may be left: no file, and no folder the package made.
file(GLOB_RECURSE left_behind LIST_DIRECTORIES true RELATIVE ${root} ${root}/*)
list(FILTER left_behind EXCLUDE REGEX "^var(/lib(/dpkg(/.*)?)?)?$")
if(left_behind)
    string(REPLACE ";" "\n  " left_behind "${left_behind}")
    message(FATAL_ERROR "dpkg --remove left behind in ${root}:\n  ${left_behind}")
endif()
