# Run by cpack after it made the packages (CPACK_POST_BUILD_SCRIPTS). CPack gives a package
# with a library in /usr/lib a postinst and a postrm that only call ldconfig; Debian runs
# ldconfig through the trigger the library's package declares (debian/widget_runtime/triggers),
# and lintian warns of such calls. A package whose scripts are nothing else is made again
# without them.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb -R ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  set(dropped FALSE)
  foreach(script postinst postrm)
    if(EXISTS ${tree}/DEBIAN/${script})
      file(READ ${tree}/DEBIAN/${script} text)
      string(REGEX REPLACE "#!/bin/sh|set -e|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then|ldconfig|fi|[ \t\n]"
             "" rest "${text}")
      if(rest STREQUAL "")
        file(REMOVE ${tree}/DEBIAN/${script})
        set(dropped TRUE)
      endif()
    endif()
  endforeach()
  if(dropped)
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()
