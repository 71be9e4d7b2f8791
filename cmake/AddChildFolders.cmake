# add_child_folders(): add every direct sub-folder of the current source folder
# that has a CMakeLists.txt, so new tools, tests and benchmarks join by themselves.
function(add_child_folders)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${children})
    if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
