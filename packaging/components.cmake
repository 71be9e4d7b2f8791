# The install components and the Debian package each one becomes, one row a package. Every
# install() names one of these components; cpack.cmake gives each package its fields, and
# tools/package.sh makes one cpack run a source (the packages of one source share its version).
# A new package is a new row here and its fields in cpack.cmake.
#   component       package                                       source          version
set(QM_PACKAGE_TABLE
    "qm4417          qm4417                                        qm4417          ${PROJECT_VERSION}"
    "widget_runtime  libtumbler-widget${TUMBLER_WIDGET_SOVERSION}  tumbler-switch  ${TUMBLER_PACKAGE_VERSION}"
    "widget_dev      libtumbler-widget-dev                         tumbler-switch  ${TUMBLER_PACKAGE_VERSION}"
    "widget_designer libtumbler-widget-designer                    tumbler-switch  ${TUMBLER_PACKAGE_VERSION}"
    "tumbler_switch  tumbler-switch                                tumbler-switch  ${TUMBLER_PACKAGE_VERSION}"
    "qml_module      qml6-module-norvikon-tumbler                  tumbler-switch  ${TUMBLER_PACKAGE_VERSION}")

set(QM_COMPONENTS "")
set(table_text "")
foreach(row IN LISTS QM_PACKAGE_TABLE)
  string(REGEX REPLACE " +" ";" row "${row}")
  list(GET row 0 component)
  list(GET row 1 QM_PACKAGE_${component})
  list(GET row 2 QM_SOURCE_${component})
  list(GET row 3 QM_VERSION_${component})
  list(APPEND QM_COMPONENTS ${component})
  string(APPEND table_text "${QM_SOURCE_${component}} ${QM_VERSION_${component}} ${component} "
                           "${QM_PACKAGE_${component}}\n")
endforeach()
# For the scripts: source, version, component, package.
file(WRITE ${CMAKE_BINARY_DIR}/packages.txt "${table_text}")
