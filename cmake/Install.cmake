# `cmake --install` puts the game's launcher, its binary, its data and the font where the
# folders below say, and a desktop entry, AppStream metadata, a manual page and icons where
# desktop menus and software centres look. The defaults keep everything of the game under
# <prefix>/share/cornquota; a Debian package moves them to where Debian keeps games.
include(GNUInstallDirs)
set(CORNQUOTA_INSTALL_LAUNCHERDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING "Folder of the launcher, under the prefix")
set(CORNQUOTA_INSTALL_PROGRAMDIR ${CMAKE_INSTALL_DATADIR}/cornquota CACHE STRING
    "Folder of the game's binary, under the prefix")
set(CORNQUOTA_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATADIR}/cornquota CACHE STRING
    "Folder of the game's data and font, under the prefix")
option(CORNQUOTA_INSTALL_FONT "Install a copy of the font (a package links to its font package instead)" ON)
set(APPSTREAM_ID org.cornquota.CornQuota)

install(TARGETS cornquota RUNTIME DESTINATION ${CORNQUOTA_INSTALL_PROGRAMDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/sprites ${CMAKE_SOURCE_DIR}/sounds ${CMAKE_SOURCE_DIR}/music
        DESTINATION ${CORNQUOTA_INSTALL_GAMEDATADIR})
if(CORNQUOTA_INSTALL_FONT)
  install(FILES ${OSTREL_FONT_FILE} DESTINATION ${CORNQUOTA_INSTALL_GAMEDATADIR} RENAME ostrel-font.ttf)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/dist/cornquota-128.png DESTINATION ${CORNQUOTA_INSTALL_GAMEDATADIR} RENAME icon.png)

# The launcher finds the binary and the data relative to itself, so an installed tree can
# be moved.
file(RELATIVE_PATH RELATIVE_PROGRAM_DIR /prefix/${CORNQUOTA_INSTALL_LAUNCHERDIR} /prefix/${CORNQUOTA_INSTALL_PROGRAMDIR})
file(RELATIVE_PATH RELATIVE_DATA_DIR /prefix/${CORNQUOTA_INSTALL_LAUNCHERDIR} /prefix/${CORNQUOTA_INSTALL_GAMEDATADIR})
configure_file(${CMAKE_SOURCE_DIR}/dist/cornquota-launcher.in ${CMAKE_BINARY_DIR}/dist/cornquota @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/dist/cornquota DESTINATION ${CORNQUOTA_INSTALL_LAUNCHERDIR})

set(DESKTOP_TEMPLATE ${CMAKE_SOURCE_DIR}/dist/${APPSTREAM_ID}.desktop.in)
configure_file(${CMAKE_SOURCE_DIR}/dist/InstallDesktopEntry.cmake.in ${CMAKE_BINARY_DIR}/dist/InstallDesktopEntry.cmake
               @ONLY)
install(SCRIPT ${CMAKE_BINARY_DIR}/dist/InstallDesktopEntry.cmake)
configure_file(${CMAKE_SOURCE_DIR}/dist/${APPSTREAM_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(${CMAKE_SOURCE_DIR}/dist/cornquota.6.in ${CMAKE_BINARY_DIR}/dist/cornquota.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/cornquota.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/dist/cornquota.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/dist/cornquota-128.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps
        RENAME cornquota.png)
