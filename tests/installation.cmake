# Installs the build into a scratch prefix and checks that a desktop finds
# the program, its entry, its icon, its manual page and its AppStream file
# there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/riverev share/applications/org.example.Riverev.desktop
          share/icons/hicolor/scalable/apps/org.example.Riverev.svg
          share/metainfo/org.example.Riverev.metainfo.xml share/man/man1/riverev.1.gz
          share/doc/riverev/copyright)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

function(enthaelt name text)
  foreach(zeile ${ARGN})
    string(FIND "${text}" "${zeile}" stelle)
    if(stelle LESS 0)
      message(FATAL_ERROR "${name} lacks ${zeile}")
    endif()
  endforeach()
endfunction()

file(READ "${PREFIX}/share/applications/org.example.Riverev.desktop" eintrag)
enthaelt("the desktop entry" "${eintrag}" "Exec=riverev" "Icon=org.example.Riverev"
         "Categories=Education;Math;" "StartupWMClass=riverev"
         "Comment=Reelle Lösungen von Gleichungen bis zehnten Grades")
file(READ "${PREFIX}/share/metainfo/org.example.Riverev.metainfo.xml" metainfo)
enthaelt("the metainfo" "${metainfo}" "<id>org.example.Riverev</id>"
         "<project_license>GPL-3.0-or-later</project_license>"
         "<launchable type=\"desktop-id\">org.example.Riverev.desktop</launchable>")
execute_process(COMMAND gzip -dc "${PREFIX}/share/man/man1/riverev.1.gz" OUTPUT_VARIABLE seite)
enthaelt("the manual page" "${seite}" ".SH OPTIONEN" ".SH DATEIEN")
