# ostrel_copy_data(target path...): copies a game's data next to its binary as part of its
# build. Each path (relative to the calling folder) is a file or a folder; a folder's files are
# found again whenever the build runs, and each file keeps its path from the calling folder
# (data/cart.txt lands in <binary's folder>/data/cart.txt). A changed file is copied again at
# the next build. Pair it with ResourceManager::setDataFolder(ostrel::executableFolder()).
function(ostrel_copy_data target)
  get_target_property(binary_dir ${target} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT binary_dir)
    if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
      set(binary_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    else()
      set(binary_dir ${CMAKE_CURRENT_BINARY_DIR})
    endif()
  endif()
  set(copies "")
  foreach(path IN LISTS ARGN)
    get_filename_component(source ${path} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(IS_DIRECTORY ${source})
      file(GLOB_RECURSE files CONFIGURE_DEPENDS ${source}/*)
    elseif(EXISTS ${source})
      set(files ${source})
    else()
      message(FATAL_ERROR "ostrel_copy_data: no file or folder '${path}' in ${CMAKE_CURRENT_SOURCE_DIR}")
    endif()
    foreach(file IN LISTS files)
      file(RELATIVE_PATH relative ${CMAKE_CURRENT_SOURCE_DIR} ${file})
      if(relative MATCHES "^\\.\\./")
        get_filename_component(relative ${file} NAME)
      endif()
      get_filename_component(copy_dir ${binary_dir}/${relative} DIRECTORY)
      add_custom_command(OUTPUT ${binary_dir}/${relative}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${copy_dir}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${binary_dir}/${relative}
        DEPENDS ${file}
        COMMENT "Copying ${relative} next to ${target}")
      list(APPEND copies ${binary_dir}/${relative})
    endforeach()
  endforeach()
  add_custom_target(${target}_data DEPENDS ${copies})
  add_dependencies(${target} ${target}_data)
endfunction()
