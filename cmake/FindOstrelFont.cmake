# The engine's font, which the window front end draws every glyph with.
find_file(OSTREL_FONT_FILE LeagueMono-Condensed.otf
  PATHS /usr/share/fonts/opentype/league-mono
  NO_DEFAULT_PATH)
if(NOT OSTREL_FONT_FILE)
  message(FATAL_ERROR "LeagueMono-Condensed.otf not found: run scripts/install-deps")
endif()
