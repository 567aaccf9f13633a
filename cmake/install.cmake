# Installation in the standard places, so the program shows up in a desktop's menu, and a
# Debian package that pulls in its Qt libraries.
include(GNUInstallDirs)

install(TARGETS quaderola RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUADEROLA_ROOT}/dist/quaderola.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${QUADEROLA_ROOT}/app/icons/quaderola.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# Debian's place for the licence of a package: GNU GPL 3 or later (Qt Charts is GPL-3).
install(FILES ${QUADEROLA_ROOT}/dist/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The user guide, which the program also carries inside: its pages and the pictures the build
# took of the windows (docs/guida).
install(FILES ${QUADEROLA_GUIDA} DESTINATION ${CMAKE_INSTALL_DOCDIR}/guida)

set(CPACK_PACKAGE_NAME quaderola)
set(CPACK_PACKAGE_VENDOR "Quaderola")
set(CPACK_PACKAGE_CONTACT "Quaderola <quaderola@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cash book for small businesses")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries it links (Qt's Widgets, PrintSupport, Charts; libzip; libfreexl) come from
# shlibdeps; the plugins it loads at run time (the X11 platform and the SVG pictures) and Qt's
# Italian texts are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
include(CPack)
