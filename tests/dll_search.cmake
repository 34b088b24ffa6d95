# Plants a DLL named like each DLL the program names (its imports, and the names in its data:
# delay-loaded DLLs and those it loads by name) that is not one of Windows' known DLLs beside a
# copy of the program, has Wine prefer DLLs beside a program as Windows does, and starts it on
# Qt's Windows platform: it must open and keep running and load none of them.
#   cmake -DPROGRAM=... -DCONTROL=... -DPLANTED=... -DOBJDUMP=... -DSTRINGS=... -DWINE_RUN=... -DFOLDER=... -P dll_search.cmake
# The DLLs Windows 10 and 11 always take from System32 (KnownDLLs, their own dependencies, and
# the API sets), whatever is beside a program.
cmake_policy(VERSION 3.25)
set(known advapi32 clbcatq combase comdlg32 coml2 difxapi gdi32 gdiplus imagehlp imm32 kernel32
  kernelbase msctf msvcrt normaliz nsi ntdll ole32 oleaut32 psapi rpcrt4 sechost setupapi shcore
  shell32 shlwapi user32 wldap32 ws2_32)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
list(TRANSFORM imports REPLACE "DLL Name: " "")
if(NOT imports)
  message(FATAL_ERROR "no import table read from ${PROGRAM}")
endif()
# Names in the program's data, in single- and two-byte characters.
foreach(encoding IN ITEMS s l)
  execute_process(COMMAND ${STRINGS} -a -e ${encoding} ${PROGRAM} OUTPUT_VARIABLE text
    COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "[A-Za-z0-9_]+\\.[dD][lL][lL]" found "${text}")
  list(APPEND imports ${found})
endforeach()

set(planted)
foreach(dll IN LISTS imports)
  string(TOLOWER "${dll}" name)
  string(REGEX REPLACE "\\.dll$" "" name "${name}")
  if(NOT name IN_LIST known AND name MATCHES "^[a-z]" AND NOT name MATCHES "^(api|ext)-ms-win-")
    list(APPEND planted ${name})
  endif()
endforeach()
list(REMOVE_DUPLICATES planted)
list(SORT planted)
if(NOT planted)
  message(FATAL_ERROR "nothing to plant: the program names no DLL beyond the known ones")
endif()
message(STATUS "planted beside the program: ${planted}")

file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER})
file(COPY ${PROGRAM} DESTINATION ${FOLDER})
foreach(name IN LISTS planted)
  file(COPY_FILE ${PLANTED} ${FOLDER}/${name}.dll)
endforeach()
# Wine's own user32 imports version.dll and loads uxtheme.dll from the program's folder, where
# Windows takes its own from System32: what the plainest windowed program (CONTROL) loads there
# is Wine's doing, and those names keep Wine's order; the rest prefer the planted file.
execute_process(COMMAND ${OBJDUMP} -p ${CONTROL} OUTPUT_VARIABLE control_headers
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" program_imports "${headers}")
foreach(import IN LISTS program_imports)
  string(FIND "${control_headers}" "${import}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the control does not import what the program does: ${import}")
  endif()
endforeach()
# A planted file Wine loads may stop the control before it loads the next (a planted version.dll
# lacks what comctl32 needs before it loads uxtheme.dll): run it again until it loads none.
cmake_path(GET CONTROL FILENAME control_name)
file(COPY ${CONTROL} DESTINATION ${FOLDER})
set(preferred ${planted})
set(wine_own)
# Each run that loads one takes at least one name out: no more runs than names.
list(LENGTH planted rounds)
foreach(round RANGE ${rounds})
  list(JOIN preferred "," overrides)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "WINEDLLOVERRIDES=mscoree,mshtml=;${overrides}=n,b"
            xvfb-run -a timeout 20 ${WINE_RUN} ${FOLDER}/${control_name})
  file(GLOB markers RELATIVE ${FOLDER} ${FOLDER}/*.loaded)
  if(NOT markers)
    break()
  endif()
  foreach(marker IN LISTS markers)
    file(REMOVE ${FOLDER}/${marker})
    string(TOLOWER "${marker}" marker)
    string(REGEX REPLACE "\\.dll\\.loaded$" "" name "${marker}")
    list(REMOVE_ITEM preferred ${name})
    list(APPEND wine_own ${name})
  endforeach()
endforeach()
file(REMOVE ${FOLDER}/${control_name})
message(STATUS "loaded by Wine itself, so left to Wine's order: ${wine_own}")
list(JOIN preferred "," overrides)
cmake_path(GET PROGRAM FILENAME program_name)
# Still running after 20 s: timeout's 124.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "WINEDLLOVERRIDES=mscoree,mshtml=;${overrides}=n,b"
          WINEQT_QPA_PLATFORM=windows xvfb-run -a timeout 20 ${WINE_RUN} ${FOLDER}/${program_name}
  RESULT_VARIABLE result)
file(GLOB loaded RELATIVE ${FOLDER} ${FOLDER}/*.loaded)
if(loaded)
  message(FATAL_ERROR "the program loaded DLLs planted beside it: ${loaded}")
endif()
if(NOT result EQUAL 124)
  message(FATAL_ERROR "the program did not keep running with the DLLs planted beside it: ${result}")
endif()
