# Installing like a desktop application: the binary, its desktop entry, AppStream metadata and
# hicolor icons in the standard places, and a .deb through CPack.
include(GNUInstallDirs)

configure_file(${PROJECT_SOURCE_DIR}/resources/${QUORVEL_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${QUORVEL_APP_ID}.metainfo.xml @ONLY)

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/${QUORVEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/${QUORVEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${QUORVEL_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The manual pages, English and Japanese, and the package's documents: the licence as a
# machine-readable copyright file, and the changelog. Compressed as Debian wants them, without
# time stamps.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX REPLACE "\n+$" "" licence "${licence}")
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
file(WRITE ${PROJECT_BINARY_DIR}/doc/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Quorvel
Upstream-Contact: The Quorvel developers <quorvel@example.org>

Files: *
Copyright: 2026 The Quorvel developers
License: Expat
 ${licence}
")
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${PROJECT_BINARY_DIR}/doc/changelog
               @ONLY)
set(compressed_docs)
foreach(pair IN ITEMS "docs/man/quorvel.1|doc/man/quorvel.1.gz"
                      "docs/man/ja/quorvel.1|doc/man/ja/quorvel.1.gz"
                      "@BINARY@doc/changelog|doc/changelog.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    string(REPLACE "@BINARY@" "${PROJECT_BINARY_DIR}/" source "${source}")
    if(NOT IS_ABSOLUTE "${source}")
        set(source ${PROJECT_SOURCE_DIR}/${source})
    endif()
    string(REGEX REPLACE "\\.gz$" "" plain ${PROJECT_BINARY_DIR}/${target})
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${target}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}.tmp
        COMMAND gzip -9nf ${plain}.tmp
        COMMAND ${CMAKE_COMMAND} -E rename ${plain}.tmp.gz ${PROJECT_BINARY_DIR}/${target}
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed_docs ${PROJECT_BINARY_DIR}/${target})
endforeach()
add_custom_target(quorvel_docs ALL DEPENDS ${compressed_docs})
install(FILES ${PROJECT_BINARY_DIR}/doc/man/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/man/ja/quorvel.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/copyright ${PROJECT_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)

set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "The Quorvel developers")
set(CPACK_PACKAGE_CONTACT "The Quorvel developers <quorvel@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Quorvel developers <quorvel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fraction calculator for the four arithmetic operations")
set(CPACK_PACKAGE_DESCRIPTION "A desktop calculator for fractions with a Japanese interface.
Two mixed numbers are typed into six fields, an operator is chosen, and the
exact result is shown in lowest terms, as a mixed number or as an improper
fraction. All arithmetic is 32-bit signed integer arithmetic; a number too
large is reported, never shown wrongly.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.github.io/")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin and a Japanese face are not found by the library scan: the face the
# window is designed with, or another proportional Japanese gothic face the window asks for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic | fonts-takao-gothic")
include(CPack)
