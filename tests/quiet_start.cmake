# Starts the program on the offscreen platform with the given environment, a temporary folder
# of its own and the plugin first_paint.cpp, which presses Command2 once the window has been
# painted and then closes it; fails if it wrote anything to standard error up to its end (a
# coverage build's notes on its own data files are no word of the program's), ended before the
# window was painted or with a failure, took over a minute, or showed another fuel weight than
# FUEL (the locale's format). Without FUEL there is nothing to open a window on: one line, status
# 1. With RUNTIME the runtime folder Qt falls back to is there already, open to all.
#   cmake -DPROGRAM=... -DPLUGINS=... -DENVIRONMENT=LANG=C -DLOCPATH=... -DFUEL=... -DTMP=...
#         [-DRUNTIME=1] -P quiet_start.cmake
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
set(expected_errors "")
set(expected_output "first paint ${FUEL}\n")
set(expected_result 0)
if(FUEL STREQUAL "")
  set(expected_errors "flightcalc: no display to open the window on (DISPLAY is not set)\n")
  set(expected_output "")
  set(expected_result 1)
endif()
if(NOT errors STREQUAL expected_errors)
  message(FATAL_ERROR "the program wrote to standard error with '${ENVIRONMENT}':\n${errors}")
endif()
if(result MATCHES "timeout")
  message(FATAL_ERROR "the program had not ended within 60 s with '${ENVIRONMENT}'")
endif()
if(NOT output STREQUAL expected_output OR NOT result EQUAL expected_result)
  message(FATAL_ERROR "the program ended (${result}) with '${output}', not "
    "(${expected_result}) '${expected_output}', with '${ENVIRONMENT}'")
endif()
