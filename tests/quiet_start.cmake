# Starts the program on the offscreen platform with the given environment, a temporary folder
# of its own and the plugin first_paint.cpp, which presses Command2 once the window has been
# painted and then closes it; fails unless it ended with status 0 within a minute, showed the fuel
# weight FUEL (the locale's format), named itself APP_ID to the desktop and wrote nothing to
# standard error (a coverage build's notes on its own data files are no word of the program's).
# Without FUEL there is nothing to open a window on: status 1 and one line. With RUNTIME the
# runtime folder Qt falls back to is there already, open to all.
#   cmake -DPROGRAM=... -DPLUGINS=... -DENVIRONMENT=LANG=C -DLOCPATH=... -DFUEL=... -DTMP=...
#         -DAPP_ID=... [-DRUNTIME=1] -P quiet_start.cmake
file(REMOVE_RECURSE ${TMP})
file(MAKE_DIRECTORY ${TMP})
if(RUNTIME)
  execute_process(COMMAND id -un OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(MAKE_DIRECTORY ${TMP}/runtime-${user})
  file(CHMOD ${TMP}/runtime-${user} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
execute_process(
  COMMAND env -u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_NUMERIC -u XDG_RUNTIME_DIR
          -u DISPLAY -u WAYLAND_DISPLAY TMPDIR=${TMP}
          QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=${PLUGINS} QT_QPA_GENERIC_PLUGINS=firstpaint
          LOCPATH=${LOCPATH} GCOV_ERROR_FILE=/dev/null
          ${ENVIRONMENT} ${PROGRAM}
  TIMEOUT 60
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
set(expected "0|first paint ${FUEL} ${APP_ID}\n|")
if(FUEL STREQUAL "")
  set(expected "1||flightcalc: no display to open the window on (DISPLAY is not set)\n")
endif()
if(NOT "${result}|${output}|${errors}" STREQUAL expected)
  message(FATAL_ERROR "with '${ENVIRONMENT}' the program ended (${result}) with '${output}' "
    "and on standard error '${errors}', not: ${expected}")
endif()
