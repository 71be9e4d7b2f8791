# Read by cpack at packaging time: the version of the one package this run makes.
if(CPACK_COMPONENTS_ALL STREQUAL "qm4417")
  set(CPACK_PACKAGE_VERSION ${CPACK_QM4417_VERSION})
elseif(CPACK_COMPONENTS_ALL STREQUAL "tumbler")
  set(CPACK_PACKAGE_VERSION ${CPACK_TUMBLER_VERSION})
else()
  message(FATAL_ERROR "Each package has its own version: make one a run, "
                      "cpack -D CPACK_COMPONENTS_ALL=qm4417 (or tumbler).")
endif()
