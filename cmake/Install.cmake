# `cmake --install` puts the game, its data and the font in <prefix>/share/cornquota, a
# launcher in <prefix>/bin, and a desktop entry and icons where desktop menus look.
include(GNUInstallDirs)
set(GAME_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/cornquota)

install(TARGETS cornquota RUNTIME DESTINATION ${GAME_INSTALL_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/sprites ${CMAKE_SOURCE_DIR}/sounds ${CMAKE_SOURCE_DIR}/music
        DESTINATION ${GAME_INSTALL_DIR})
install(FILES ${OSTREL_FONT_FILE} DESTINATION ${GAME_INSTALL_DIR} RENAME ostrel-font.ttf)
install(FILES ${CMAKE_SOURCE_DIR}/dist/cornquota-128.png DESTINATION ${GAME_INSTALL_DIR} RENAME icon.png)

# The launcher finds the data relative to itself, so an installed tree can be moved.
file(RELATIVE_PATH RELATIVE_DATA_DIR /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${GAME_INSTALL_DIR})
configure_file(${CMAKE_SOURCE_DIR}/dist/cornquota-launcher.in ${CMAKE_BINARY_DIR}/dist/cornquota @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/dist/cornquota DESTINATION ${CMAKE_INSTALL_BINDIR})

set(DESKTOP_TEMPLATE ${CMAKE_SOURCE_DIR}/dist/cornquota.desktop.in)
configure_file(${CMAKE_SOURCE_DIR}/dist/InstallDesktopEntry.cmake.in ${CMAKE_BINARY_DIR}/dist/InstallDesktopEntry.cmake
               @ONLY)
install(SCRIPT ${CMAKE_BINARY_DIR}/dist/InstallDesktopEntry.cmake)
install(FILES ${CMAKE_SOURCE_DIR}/dist/cornquota.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/dist/cornquota-128.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps
        RENAME cornquota.png)
