# Read by cpack at packaging time: the version of the packages this run makes, which must all
# come from one source (components.cmake).
unset(CPACK_PACKAGE_VERSION)
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
  set(version ${CPACK_QM_VERSION_${component}})
  if(NOT version)
    message(FATAL_ERROR "No package is made of component \"${component}\".")
  elseif(DEFINED CPACK_PACKAGE_VERSION AND NOT version STREQUAL CPACK_PACKAGE_VERSION)
    message(FATAL_ERROR "Each source has its own version: make one source a run "
                        "(tools/package.sh), not ${CPACK_COMPONENTS_ALL}.")
  endif()
  set(CPACK_PACKAGE_VERSION ${version})
endforeach()
