# add_part(folder): add a part of the switch control once its folder has a CMakeLists.txt.
function(add_part folder)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/CMakeLists.txt)
    add_subdirectory(${folder})
  endif()
endfunction()
