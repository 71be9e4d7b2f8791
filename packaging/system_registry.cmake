# Install step: runs the module's real registration (regctl register) into a scratch per-user
# registry and writes it to OUTPUT with the module's installed path in place of its build path.
# Set before inclusion: REGCTL, MODULE, INSTALLED_MODULE, SCRATCH, OUTPUT.
message(STATUS "Installing: ${OUTPUT}")
file(REMOVE_RECURSE ${SCRATCH})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${SCRATCH} XDG_DATA_DIRS=${SCRATCH}/none
          QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ${REGCTL} register ${MODULE}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "regctl register ${MODULE} failed (${status}): ${out}")
endif()
file(READ ${SCRATCH}/quill-components/classes.reg registry)
file(REAL_PATH ${MODULE} module_path)
string(FIND "${registry}" "${module_path}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the registration does not name ${module_path}:\n${registry}")
endif()
string(REPLACE "${module_path}" "${INSTALLED_MODULE}" registry "${registry}")
get_filename_component(build_folder ${module_path} DIRECTORY)
string(FIND "${registry}" "${build_folder}" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "a build path is left in the system registry:\n${registry}")
endif()
file(WRITE ${OUTPUT} "${registry}")
file(REMOVE_RECURSE ${SCRATCH})
list(APPEND CMAKE_INSTALL_MANIFEST_FILES ${OUTPUT})
