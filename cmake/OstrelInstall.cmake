# `cmake --install <build> --component ostrel` installs the engine on its own, for games built
# outside this tree: the public headers, libostrel.a, a CMake package (find_package(Ostrel)
# gives Ostrel::ostrel) and ostrel.pc. The component is left out of a plain install, which
# stays the player's: the game alone.
include(CMakePackageConfigHelpers)
set(OSTREL_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Ostrel CACHE STRING
    "Folder of the engine's CMake package, under the prefix")
set(OSTREL_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig CACHE STRING
    "Folder of the engine's ostrel.pc, under the prefix")

install(TARGETS ostrel EXPORT OstrelTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ostrel EXCLUDE_FROM_ALL)
# Only the public headers: those beside the sources stay the engine's own.
# The window front end's header only where the engine has SFML.
set(OSTREL_HEADER_EXCLUDES "")
if(NOT OSTREL_WITH_SFML)
  set(OSTREL_HEADER_EXCLUDES PATTERN "WindowFrontEnd.h" EXCLUDE)
endif()
install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  COMPONENT ostrel EXCLUDE_FROM_ALL FILES_MATCHING PATTERN "*.h" ${OSTREL_HEADER_EXCLUDES})
install(FILES ${OSTREL_GENERATED_INCLUDE_DIR}/ostrel/Version.h ${OSTREL_GENERATED_INCLUDE_DIR}/ostrel/Config.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ostrel COMPONENT ostrel EXCLUDE_FROM_ALL)

# The default font, with its licence: the window's last resort when the game names none and
# its folder holds no ostrel-font.ttf.
install(FILES ${OSTREL_FONT_FILE} DESTINATION ${OSTREL_INSTALL_FONTDIR} COMPONENT ostrel EXCLUDE_FROM_ALL)
install(FILES ${OSTREL_FONT_LICENSE} DESTINATION ${OSTREL_INSTALL_FONTDIR} RENAME ${OSTREL_FONT_NAME}.copyright
  COMPONENT ostrel EXCLUDE_FROM_ALL)

# The package finds again the SFML (and libmpg123) this build linked, so that a static link
# of the engine into a game has everything it needs.
install(EXPORT OstrelTargets NAMESPACE Ostrel:: DESTINATION ${OSTREL_INSTALL_CMAKEDIR}
  COMPONENT ostrel EXCLUDE_FROM_ALL)
# A game needs at least the SFML release (major.minor) the engine was compiled against; 0 for
# an engine without SFML.
set(OSTREL_SFML_VERSION 0)
if(OSTREL_WITH_SFML)
  set(OSTREL_SFML_VERSION ${SFML_VERSION_MAJOR}.${SFML_VERSION_MINOR})
endif()
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/OstrelConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/OstrelConfig.cmake INSTALL_DESTINATION ${OSTREL_INSTALL_CMAKEDIR})
# Before 1.0 a minor release may change the engine's interface: only the same minor version fits.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/OstrelConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/OstrelConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/OstrelConfigVersion.cmake
  ${PROJECT_SOURCE_DIR}/cmake/OstrelData.cmake DESTINATION ${OSTREL_INSTALL_CMAKEDIR} COMPONENT ostrel EXCLUDE_FROM_ALL)

# ostrel.pc finds its prefix relative to itself, so the installed tree can be moved. The
# public headers include SFML's and the archive needs libmpg123's symbols in every link, so
# all of them are plain requirements: `pkg-config --libs ostrel` links, with or without --static.
file(RELATIVE_PATH OSTREL_PC_TO_PREFIX /prefix/${OSTREL_INSTALL_PKGCONFIGDIR} /prefix)
string(REGEX REPLACE "/$" "" OSTREL_PC_TO_PREFIX "${OSTREL_PC_TO_PREFIX}")
set(OSTREL_PC_REQUIRES "")
if(OSTREL_WITH_SFML)
  foreach(module IN ITEMS sfml-graphics sfml-window sfml-audio sfml-system)
    list(APPEND OSTREL_PC_REQUIRES "${module} >= ${OSTREL_SFML_VERSION}")
  endforeach()
endif()
if(OSTREL_LINKS_MPG123)
  list(APPEND OSTREL_PC_REQUIRES libmpg123)
endif()
list(JOIN OSTREL_PC_REQUIRES ", " OSTREL_PC_REQUIRES)
configure_file(${PROJECT_SOURCE_DIR}/cmake/ostrel.pc.in ${CMAKE_CURRENT_BINARY_DIR}/ostrel.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ostrel.pc DESTINATION ${OSTREL_INSTALL_PKGCONFIGDIR}
  COMPONENT ostrel EXCLUDE_FROM_ALL)
