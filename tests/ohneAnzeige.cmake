# Without any display the program says so in one line and ends with status 1,
# instead of Qt's abort.
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${PROGRAMM}"
                RESULT_VARIABLE status ERROR_VARIABLE meldung OUTPUT_VARIABLE ausgabe)
string(REGEX MATCHALL "\n" zeilen "${meldung}")
list(LENGTH zeilen anzahl)
if(NOT status EQUAL 1 OR NOT anzahl EQUAL 1 OR NOT meldung MATCHES "^riverev: keine Anzeige")
  message(FATAL_ERROR "status ${status}, standard error: ${meldung}")
endif()
