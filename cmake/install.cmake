# Installing like a desktop application: the binary, its desktop entry, AppStream metadata and
# hicolor icons in the standard places, and a .deb through CPack.
include(GNUInstallDirs)

set(QUORVEL_APP_ID io.github.quorvel.Quorvel)
configure_file(${PROJECT_SOURCE_DIR}/resources/${QUORVEL_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${QUORVEL_APP_ID}.metainfo.xml @ONLY)

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/${QUORVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/${QUORVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${QUORVEL_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "quorvel@example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fraction calculator for the four arithmetic operations")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin and the Japanese face are not found by the library scan.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
include(CPack)
