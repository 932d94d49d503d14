# Installs the build into a scratch prefix and checks that a desktop finds
# the program, its entry and its icon there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f bin/riverev share/applications/org.example.Riverev.desktop
          share/icons/hicolor/scalable/apps/org.example.Riverev.svg)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(READ "${PREFIX}/share/applications/org.example.Riverev.desktop" eintrag)
foreach(zeile "Exec=riverev" "Icon=org.example.Riverev" "Categories=Education;Math;"
              "Comment=Reelle Lösungen von Gleichungen bis zehnten Grades")
  string(FIND "${eintrag}" "${zeile}" stelle)
  if(stelle LESS 0)
    message(FATAL_ERROR "desktop entry lacks ${zeile}")
  endif()
endforeach()
