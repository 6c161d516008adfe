# What `cmake --install` puts where, and the Debian package made from it by
# `cpack -G DEB`: the game, its desktop entry, icons, AppStream metainfo and
# the saved-game type. Only the game: the engine, tests and benchmarks are
# developer tools.

set(ORBEL_DESKTOP_DIR ${PROJECT_BINARY_DIR}/desktop)
configure_file(resources/desktop/app.desktop.in ${ORBEL_DESKTOP_DIR}/${ORBEL_APP_ID}.desktop @ONLY)
configure_file(resources/desktop/app.metainfo.xml.in ${ORBEL_DESKTOP_DIR}/${ORBEL_APP_ID}.metainfo.xml @ONLY)
configure_file(resources/desktop/app.mime.xml.in ${ORBEL_DESKTOP_DIR}/${ORBEL_APP_ID}.xml @ONLY)

install(FILES ${ORBEL_DESKTOP_DIR}/${ORBEL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${ORBEL_DESKTOP_DIR}/${ORBEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${ORBEL_DESKTOP_DIR}/${ORBEL_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages)
foreach(side 16 32 48 64 128 256)
  install(FILES resources/icon/107-${side}.png
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${side}x${side}/apps
    RENAME ${ORBEL_APP_ID}.png)
endforeach()
install(FILES resources/desktop/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/orbel-chess)

# The manual page and the Debian changelog, compressed as Debian ships them
# (-n: no name or time stamp, so that the same text gives the same bytes).
# Built with the game, so that whatever built it can install it.
set(ORBEL_DOC_DIR ${PROJECT_BINARY_DIR}/doc)
set(ORBEL_COMPRESSED_DOCS)
foreach(doc docs/orbel-chess.6 resources/desktop/changelog)
  get_filename_component(name ${doc} NAME)
  add_custom_command(OUTPUT ${ORBEL_DOC_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${doc} ${ORBEL_DOC_DIR}/${name}
    COMMAND gzip -9nf ${ORBEL_DOC_DIR}/${name}
    DEPENDS ${doc}
    VERBATIM)
  list(APPEND ORBEL_COMPRESSED_DOCS ${ORBEL_DOC_DIR}/${name}.gz)
endforeach()
add_custom_target(orbel_docs ALL DEPENDS ${ORBEL_COMPRESSED_DOCS})
add_dependencies(orbel-chess orbel_docs)
install(FILES ${ORBEL_DOC_DIR}/orbel-chess.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${ORBEL_DOC_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/orbel-chess)

# The menu, icon and file-type caches are refreshed by the triggers of
# desktop-file-utils, shared-mime-info and the icon cache's package: the
# package needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbel-chess)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tessaly")
set(CPACK_PACKAGE_CONTACT "Tessaly <bugs@orbelchess.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess against the computer, a friend, or across the Internet")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Orbel Chess is a desktop chess game. Play the computer at Easy, Medium or\n"
  "Hard, play a friend taking turns at the same machine, or play across the\n"
  "Internet with a chat beside the board. Games save to *.KRV files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://orbelchess.example/")
# The libraries the programs link, found by dpkg-shlibdeps: Qt for the game,
# and libminiupnpc17 and libnatpmp1 for orbel-chess-portmap, the router
# helper that net/ installs under libexec (tools/check-install.sh checks
# they are declared).
# Debian's ways, for the package only: the game in /usr/games (an install of
# one's own, under ~/.local, keeps it in bin, which is on the PATH), Debian's
# stripping and the lintian overrides.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/deb_package.cmake)
set(CPACK_ORBEL_STRIP ${CMAKE_STRIP})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Metric-compatible stand-ins for the fonts the window asks for by name, and
# Qt's own texts (a box's buttons, the file dialogs) in the game's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
