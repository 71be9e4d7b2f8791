# The Debian packages: one a deliverable, each from its install component and with its own
# version. CPack's DEB generator has one version a run, so tools/package.sh runs it once a
# package (-D CPACK_COMPONENTS_ALL=qm4417, then tumbler) and cpack_versions.cmake picks the
# version for the package of the run.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL qm4417 tumbler)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_versions.cmake)
set(CPACK_QM4417_VERSION ${PROJECT_VERSION})
set(CPACK_TUMBLER_VERSION ${TUMBLER_VERSION})

set(CPACK_PACKAGE_VENDOR "Norvikon")
set(CPACK_PACKAGE_CONTACT "QM4417 and Tumbler developers <developers@norvikon.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# Install steps see the real prefix (the system registry names installed paths).
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
   OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_QM4417_PACKAGE_NAME qm4417)
set(CPACK_DEBIAN_QM4417_PACKAGE_SECTION electronics)
set(CPACK_COMPONENT_QM4417_DESCRIPTION
    "setup tool for the KV3907P410 encoder interface unit
QM4417 watches the unit's live 24-bit position and its eight error lamps over
one serial port, edits the unit's seven setup parameters, loads them into the
unit and uploads them back, and keeps them in .par files.

The package also holds qm4417ctl, the same link for scripts, and kv3907-sim,
a simulated unit on a pseudo-terminal.")

set(CPACK_DEBIAN_TUMBLER_PACKAGE_NAME tumbler)
set(CPACK_DEBIAN_TUMBLER_PACKAGE_SECTION devel)
# The widget library is public (programs link it), so the package tells dpkg-shlibdeps about it
# and lets ldconfig know through a trigger.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_TUMBLER_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/tumbler/triggers)
set(CPACK_COMPONENT_TUMBLER_DESCRIPTION
    "self-registering two-state switch control and its component framework
Tumbler is a switch control (rocker, toggle lever or push button, with an
optional LED and caption) in seven shapes, with persistent properties, a
property page and events, hosted by any container of its component framework.

The package holds the framework's libraries, the control module with its
system-wide registration, the Qt widget with its CMake package and Designer
plugin, the test container tumbler-container, regctl and tumbler-render.")

include(CPack)
