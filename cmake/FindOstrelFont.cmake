# The engine's font, which the window front end draws every glyph with.
# Host files: found outside a cross-compiler's root (Emscripten's) too.
find_file(OSTREL_FONT_FILE LeagueMono-Condensed.otf
  PATHS /usr/share/fonts/opentype/league-mono
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT OSTREL_FONT_FILE)
  message(FATAL_ERROR "LeagueMono-Condensed.otf not found: run scripts/install-deps")
endif()
# Its licence, installed beside it.
find_file(OSTREL_FONT_LICENSE copyright PATHS /usr/share/doc/fonts-league-mono NO_DEFAULT_PATH
  NO_CMAKE_FIND_ROOT_PATH)
if(NOT OSTREL_FONT_LICENSE)
  message(FATAL_ERROR "The licence of fonts-league-mono not found: run scripts/install-deps")
endif()
