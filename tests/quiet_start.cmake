# Starts the program on the offscreen platform with the given environment, lets it run for a
# moment and fails if it wrote anything to standard error or ended on its own.
#   cmake -DPROGRAM=... "-DENVIRONMENT=LANG=C;..." -P quiet_start.cmake
execute_process(
  COMMAND env -u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_NUMERIC -u XDG_RUNTIME_DIR
          QT_QPA_PLATFORM=offscreen ${ENVIRONMENT} ${PROGRAM}
  TIMEOUT 2
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "the program wrote to standard error with '${ENVIRONMENT}':\n${errors}")
endif()
if(NOT result MATCHES "timeout")
  message(FATAL_ERROR "the program ended by itself (${result}) with '${ENVIRONMENT}'")
endif()
