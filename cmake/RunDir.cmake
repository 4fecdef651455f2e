# Assembles the folder the game runs in: the data folders, the font and the window's icon. Tests and tools
# link to it; the game itself starts there.
file(GLOB_RECURSE GAME_DATA_FILES CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_SOURCE_DIR}
  ${CMAKE_SOURCE_DIR}/sprites/* ${CMAKE_SOURCE_DIR}/sounds/* ${CMAKE_SOURCE_DIR}/music/*)

set(GAME_RUN_FILES ${GAME_RUN_DIR}/ostrel-font.ttf)
add_custom_command(OUTPUT ${GAME_RUN_DIR}/ostrel-font.ttf
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_RUN_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OSTREL_FONT_FILE} ${GAME_RUN_DIR}/ostrel-font.ttf
  DEPENDS ${OSTREL_FONT_FILE}
  COMMENT "Copying the font into the run folder")
list(APPEND GAME_RUN_FILES ${GAME_RUN_DIR}/icon.png)
add_custom_command(OUTPUT ${GAME_RUN_DIR}/icon.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAME_RUN_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/dist/cornquota-128.png ${GAME_RUN_DIR}/icon.png
  DEPENDS ${CMAKE_SOURCE_DIR}/dist/cornquota-128.png)
foreach(data_file IN LISTS GAME_DATA_FILES)
  add_custom_command(OUTPUT ${GAME_RUN_DIR}/${data_file}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/${data_file} ${GAME_RUN_DIR}/${data_file}
    DEPENDS ${CMAKE_SOURCE_DIR}/${data_file})
  list(APPEND GAME_RUN_FILES ${GAME_RUN_DIR}/${data_file})
endforeach()
add_custom_target(run_dir ALL DEPENDS ${GAME_RUN_FILES})
