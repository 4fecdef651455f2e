# Finds SFML, preferring SFML 3 and falling back to SFML 2.5. Sets OSTREL_SFML_LIBS and,
# where SFML cannot decode MP3 itself (before 2.6), links libmpg123 for the engine's reader
# (OSTREL_LINKS_MPG123).
find_package(SFML 3 COMPONENTS Graphics Window Audio System QUIET)
if(SFML_FOUND)
  set(OSTREL_SFML_LIBS SFML::Graphics SFML::Window SFML::Audio SFML::System)
else()
  find_package(SFML 2.5 COMPONENTS graphics window audio system REQUIRED)
  set(OSTREL_SFML_LIBS sfml-graphics sfml-window sfml-audio sfml-system)
endif()
message(STATUS "SFML ${SFML_VERSION}")

# libmpg123 also lets the tests decode the game's music on any SFML.
find_package(PkgConfig REQUIRED)
pkg_check_modules(MPG123 REQUIRED IMPORTED_TARGET libmpg123)
set(OSTREL_LINKS_MPG123 OFF)
if(SFML_VERSION VERSION_LESS 2.6)
  list(APPEND OSTREL_SFML_LIBS PkgConfig::MPG123)
  set(OSTREL_LINKS_MPG123 ON)
endif()
