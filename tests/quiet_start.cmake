# Starts the program on the offscreen platform with the given environment and the plugin
# first_paint.cpp, which presses Command2 once the window has been painted and ends it; fails if
# it wrote anything to standard error by then, ended before the window was painted, had not
# painted it in a minute, or showed another fuel weight than FUEL (the locale's format).
#   cmake -DPROGRAM=... -DPLUGINS=... -DENVIRONMENT=LANG=C -DLOCPATH=... -DFUEL=...
#         -P quiet_start.cmake
execute_process(
  COMMAND env -u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_NUMERIC -u XDG_RUNTIME_DIR
          QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=${PLUGINS} QT_QPA_GENERIC_PLUGINS=firstpaint
          LOCPATH=${LOCPATH}
          ${ENVIRONMENT} ${PROGRAM}
  TIMEOUT 60
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "the program wrote to standard error with '${ENVIRONMENT}':\n${errors}")
endif()
if(result MATCHES "timeout")
  message(FATAL_ERROR "the window was not painted within 60 s with '${ENVIRONMENT}'")
endif()
if(NOT output STREQUAL "first paint ${FUEL}\n" OR NOT result EQUAL 0)
  message(FATAL_ERROR
    "the program ended (${result}) with '${output}', not 'first paint ${FUEL}', with '${ENVIRONMENT}'")
endif()
