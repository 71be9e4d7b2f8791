# The Debian packages: one an install component (components.cmake), with the fields below.
# CPack's DEB generator has one version a run, so tools/package.sh runs it once a source
# (-D CPACK_COMPONENTS_ALL=qm4417, then the Tumbler components) and cpack_versions.cmake picks
# the source's version for the run.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${QM_COMPONENTS})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack_versions.cmake)
foreach(component IN LISTS QM_COMPONENTS)
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${QM_PACKAGE_${component}})
  set(CPACK_DEBIAN_${upper}_PACKAGE_SOURCE ${QM_SOURCE_${component}})
  set(CPACK_QM_VERSION_${component} ${QM_VERSION_${component}})
endforeach()

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
# A package's programs may need libraries of a sister package, which is not installed while
# packages are made: dpkg-shlibdeps finds those in the build, and the sister's dependency is
# stated below.
foreach(library tumbler_framework tumbler_framework_module tumbler_framework_ui tumbler_qt
        tumbler_widget)
  get_target_property(folder ${library} BINARY_DIR)
  list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${folder})
endforeach()
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A component's dependencies on its sister components become "package (= version)".
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# The widget library is the one public library: its package tells dpkg-shlibdeps about it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/drop_ldconfig_scripts.cmake)

set(CPACK_DEBIAN_QM4417_PACKAGE_SECTION electronics)
# On a Wayland desktop Qt shows the window natively only with its Wayland plugin.
set(CPACK_DEBIAN_QM4417_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_COMPONENT_QM4417_DESCRIPTION
    "setup tool for the KV3907P410 encoder interface unit
QM4417 watches the unit's live 24-bit position and its eight error lamps over
one serial port, edits the unit's seven setup parameters, loads them into the
unit and uploads them back, and keeps them in .par files.

The package also holds qm4417ctl, the same link for scripts, and kv3907-sim,
a simulated unit on a pseudo-terminal.")

# Tumbler's packages take over the files of the single package "tumbler" 1.0.0.2 that came
# before them; Debian's own "tumbler" (Xfce's thumbnailer, 4.x) is left alone.
foreach(component widget_runtime widget_dev widget_designer tumbler_switch)
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_BREAKS "tumbler (<< 2~)")
  set(CPACK_DEBIAN_${upper}_PACKAGE_REPLACES "tumbler (<< 2~)")
endforeach()

# The paragraph the three widget packages' descriptions share, as Debian's library packages do.
set(widget_paragraph "TumblerSwitch is a two-state switch (rocker, toggle lever or push button, with
an optional LED and caption) in seven shapes, as a checkable Qt button.
")

set(CPACK_DEBIAN_WIDGET_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_WIDGET_RUNTIME_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/debian/widget_runtime/triggers)
set(CPACK_COMPONENT_WIDGET_RUNTIME_DESCRIPTION
    "Tumbler switch widget for Qt programs
${widget_paragraph}
This package holds the library that programs showing the switch need at run
time, with the switch control and the framework services it runs on.")

set(CPACK_DEBIAN_WIDGET_DEV_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_WIDGET_DEV_DEPENDS widget_runtime)
# The reference's pages use Debian's jQuery instead of a copy of their own.
set(CPACK_DEBIAN_WIDGET_DEV_PACKAGE_DEPENDS "qt6-base-dev, libjs-jquery")
set(CPACK_COMPONENT_WIDGET_DEV_DESCRIPTION
    "Tumbler switch widget for Qt programs - development files
${widget_paragraph}
This package holds the header, the CMake package (find_package(Tumbler) gives
Tumbler::Widget) and the HTML reference with a picture of every shape.")

set(CPACK_DEBIAN_WIDGET_DESIGNER_PACKAGE_SECTION devel)
# The switch's own property sheet, run from Designer, is the framework's (tumbler-switch).
set(CPACK_COMPONENT_WIDGET_DESIGNER_DEPENDS widget_runtime tumbler_switch)
set(CPACK_COMPONENT_WIDGET_DESIGNER_DESCRIPTION
    "Tumbler switch widget for Qt programs - Qt Designer plugin
${widget_paragraph}
This package offers the switch in Qt Designer's widget box and to QUiLoader,
with the switch's own property sheet.")

set(CPACK_DEBIAN_TUMBLER_SWITCH_PACKAGE_SECTION devel)
set(CPACK_COMPONENT_TUMBLER_SWITCH_DEPENDS widget_runtime)
# tumbler-switch-panel --form finds the switch in a form through the Designer plugin.
set(CPACK_DEBIAN_TUMBLER_SWITCH_PACKAGE_SUGGESTS libtumbler-widget-designer)
set(CPACK_COMPONENT_TUMBLER_SWITCH_DESCRIPTION
    "self-registering two-state switch control and its component framework
Tumbler is a switch control (rocker, toggle lever or push button, with an
optional LED and caption) in seven shapes, with persistent properties, a
property page and events, hosted by any container of its component framework.

The package holds the framework, the control module with its system-wide
registration, the test container tumbler-container, regctl, tumbler-render
and tumbler-switch-panel.")

set(CPACK_DEBIAN_QML_MODULE_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_QML_MODULE_DEPENDS widget_runtime)
# The QML modules that TumblerSwitch.qml imports, with those they import in turn: Debian's QML
# module packages do not pull each other in, and shlibdeps sees only the C++ libraries.
set(CPACK_DEBIAN_QML_MODULE_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-templates, qml6-module-qtqml, qml6-module-qtqml-models, qml6-module-qtqml-workerscript")
set(CPACK_COMPONENT_QML_MODULE_DESCRIPTION
    "Tumbler switch for Qt Quick - QML module Norvikon.Tumbler
TumblerSwitch is a two-state switch (rocker, toggle lever or push button, with
an optional LED and caption) in seven shapes, as a checkable Qt Quick button
drawn by the same control as the widget.

This package holds the QML module (import Norvikon.Tumbler) in Qt's QML folder,
and an example panel for Qt's qml tool.")

include(CPack)
