# Installation as a desktop application, and the Debian package built from it by CPack
# (cpack -G DEB in the build folder).
include(GNUInstallDirs)

install(TARGETS quillmark quillmark-block RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(quillmark_resources ${PROJECT_SOURCE_DIR}/resources)
install(FILES ${quillmark_resources}/quillmark.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${quillmark_resources}/icons/quillmark.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 32 48 64 128 256)
    install(FILES ${quillmark_resources}/icons/hicolor/${size}x${size}/apps/quillmark.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark")
set(CPACK_PACKAGE_CONTACT "Quillmark developers <quillmark@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Describe one procedure (kind, access, name, purpose, returns, parameters) and copy a boxed
comment block in the remark style of Visual Basic, C/C++, Delphi or custom remark strings.
quillmark-block produces the same blocks from the command line, for editors.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 runtime libraries come from the binaries' own needs (dpkg-shlibdeps, added to the list
# below); the platform plugins are loaded at run time, where it cannot see them, and the window
# cannot show without them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
find_program(QUILLMARK_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUILLMARK_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
           ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4)")
endif()
# --copy hands the block to one of these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xclip | wl-clipboard")
include(CPack)
