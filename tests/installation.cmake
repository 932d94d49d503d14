# Installs the build into a scratch prefix and checks that a desktop finds
# the program, its entry, its icons, its manual pages and its AppStream file
# there, in English and German, and nothing that only the Debian package
# needs.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(erwartet bin/riverev share/applications/org.example.Riverev.desktop
    share/icons/hicolor/scalable/apps/org.example.Riverev.svg
    share/metainfo/org.example.Riverev.metainfo.xml share/man/man1/riverev.1.gz
    share/man/de/man1/riverev.1.gz share/doc/riverev/copyright)
foreach(groesse 16 24 32 48 64 128 256)
  list(APPEND erwartet share/icons/hicolor/${groesse}x${groesse}/apps/org.example.Riverev.png)
endforeach()
file(GLOB_RECURSE installiert LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT erwartet)
list(SORT installiert)
if(NOT installiert STREQUAL erwartet)
  message(FATAL_ERROR "installed:\n${installiert}\nexpected:\n${erwartet}")
endif()

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
         "Comment=Real solutions of polynomial equations up to the tenth degree"
         "Comment[de]=Reelle Lösungen von Gleichungen bis zehnten Grades")
file(READ "${PREFIX}/share/metainfo/org.example.Riverev.metainfo.xml" metainfo)
enthaelt("the metainfo" "${metainfo}" "<id>org.example.Riverev</id>"
         "<project_license>GPL-3.0-or-later</project_license>"
         "<launchable type=\"desktop-id\">org.example.Riverev.desktop</launchable>"
         "<summary>Real solutions" "<summary xml:lang=\"de\">Reelle Lösungen")
execute_process(COMMAND gzip -dc "${PREFIX}/share/man/man1/riverev.1.gz" OUTPUT_VARIABLE seite)
enthaelt("the English manual page" "${seite}" ".SH OPTIONS" ".SH FILES")
execute_process(COMMAND gzip -dc "${PREFIX}/share/man/de/man1/riverev.1.gz" OUTPUT_VARIABLE seite)
enthaelt("the German manual page" "${seite}" ".SH OPTIONEN" ".SH DATEIEN")
