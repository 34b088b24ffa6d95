# The Windows build's tests, all under Wine.
# Wine hands a program no variable whose name begins with QT_, so the window tests pick the
# offscreen platform themselves, and the second density is left to the Linux build. Instead
# they run again under the other regional format, set as a Windows user sets it.
gtest_discover_tests(window_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT ${discovery_timeout}
  NO_PRETTY_VALUES TEST_SUFFIX ".decimal_comma" PROPERTIES ENVIRONMENT "FLIGHTCALC_WINE_REGION=comma" LABELS window)
# And on Qt's own Windows platform, on a private X display, where Wine measures text as Windows
# does: on a machine without DejaVu (Liberation alone, Arial's widths), at each display scale,
# under an English and a Russian system locale by turns.
foreach(run "96;C.UTF-8" "120;ru_RU.UTF-8" "144;C.UTF-8" "192;ru_RU.UTF-8")
  list(GET run 0 dpi)
  list(GET run 1 locale)
  set(name window_tests.windows.${dpi}dpi.${locale})
  # Wine's start on a new display is tried twice, as a person would; this run alone, so that
  # a fault that comes and goes elsewhere still fails.
  add_test(NAME ${name} COMMAND sh -c "\"$@\" || \"$@\"" sh
    xvfb-run -a -s "-screen 0 2560x1600x24"
    ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:window_tests>
    --gtest_filter=Form1Test.*:*Clicks.*:RegionalSettings.*)
  math(EXPR percent "${dpi} * 100 / 96")
  # One X display at a time (xvfb-run -a may give two the same number).
  set_tests_properties(${name} PROPERTIES RESOURCE_LOCK xvfb LABELS window ENVIRONMENT
    "WINEQT_QPA_PLATFORM=windows;FLIGHTCALC_WINE_SCALE=${dpi};FLIGHTCALC_WINE_FONTS=liberation;FLIGHTCALC_WINE_LOCALE=${locale};FLIGHTCALC_SCREEN_PERCENT=${percent}")
endforeach()
# Started from a folder holding DLLs named like Windows' own, the program loads none of them.
add_library(planted_dll SHARED windows_planted_dll.cpp)
add_executable(plain_window WIN32 windows_plain_window.cpp)
target_link_libraries(plain_window PRIVATE comdlg32 imm32 ole32 oleaut32 runtimeobject shcore
  shell32 shlwapi synchronization ws2_32)
# With the program's manifest and version sheet: Wine acts on them before main (the manifest's
# common controls bring uxtheme.dll).
target_sources(plain_window PRIVATE ${PROJECT_BINARY_DIR}/app/flightcalc.rc)
add_dependencies(plain_window flightcalc_icon)
foreach(target planted_dll plain_window)
  target_link_options(${target} PRIVATE -static)
  target_link_libraries(${target} PRIVATE flightcalc_warnings)
endforeach()
string(REPLACE objdump strings strings_program ${CMAKE_OBJDUMP})
add_test(NAME dll_search
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:flightcalc> -DCONTROL=$<TARGET_FILE:plain_window>
          -DPLANTED=$<TARGET_FILE:planted_dll>
          -DOBJDUMP=${CMAKE_OBJDUMP} -DSTRINGS=${strings_program}
          -DWINE_RUN=${PROJECT_SOURCE_DIR}/scripts/wine-run
          -DFOLDER=${CMAKE_CURRENT_BINARY_DIR}/dll-search -P ${CMAKE_CURRENT_SOURCE_DIR}/dll_search.cmake)
set_tests_properties(dll_search PROPERTIES RESOURCE_LOCK xvfb LABELS start)
# The notices beside the program name every file and package its link used.
add_test(NAME notices
  COMMAND ${FLIGHTCALC_NOTICES_COMMAND} --check ${PROJECT_BINARY_DIR}/app/THIRD-PARTY-NOTICES.txt)
set_tests_properties(notices PROPERTIES LABELS package)
