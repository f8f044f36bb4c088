# Installation and the Debian package: both programs, the sample scheme pictures, the
# desktop entry started in the scheme pictures' folder, the icons and the AppStream
# metainfo.
include(GNUInstallDirs)

install(TARGETS brinell brinell-key RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/schemes/ DESTINATION ${CMAKE_INSTALL_DATADIR}/brinell
    FILES_MATCHING PATTERN "*.jpg")

# The desktop entry starts the program in the folder of the scheme pictures, which is
# known only at install time: `cmake --install --prefix` and the package differ.
install(CODE "
    file(READ [[${PROJECT_SOURCE_DIR}/packaging/brinell.desktop.in]] entry)
    string(REPLACE @BRINELL_SCHEMES_DIR@ \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/brinell\"
        entry \"\${entry}\")
    set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
    message(STATUS \"Installing: \${folder}/brinell.desktop\")
    file(WRITE \"\${folder}/brinell.desktop\" \"\${entry}\")
")
install(FILES ${PROJECT_SOURCE_DIR}/packaging/ru.brinell.simulator.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/brinell-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME brinell.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brinell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Brinell simulator developers <brinell@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching simulator of the Brinell hardness test")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
