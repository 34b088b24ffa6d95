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
target_link_libraries(plain_window PRIVATE comdlg32 imm32 ole32 oleaut32 runtimeobject setupapi shcore
  shell32 shlwapi synchronization ws2_32)
# With the program's manifest and version sheet: Wine acts on them before main (the manifest's
# common controls bring uxtheme.dll).
target_sources(plain_window PRIVATE ${PROJECT_BINARY_DIR}/app/flightcalc.rc)
add_dependencies(plain_window flightcalc_icon)
# What a screen reader hears of the window on Qt's Windows platform, through UI Automation: each
# text field its caption, each button its caption and its column's heading. Compared as sorted
# lines: the order of the automation tree is Qt's, not what is tested.
add_executable(uia_names windows_uia_names.cpp)
target_link_libraries(uia_names PRIVATE ole32 oleaut32 uuid)
target_link_options(uia_names PRIVATE -municode)
foreach(target planted_dll plain_window uia_names)
  target_link_options(${target} PRIVATE -static)
  target_link_libraries(${target} PRIVATE flightcalc_warnings)
endforeach()
# Wine's start on a new display is tried twice, as for the window tests above, and in a prefix of
# its own: one the unit tests share keeps its server, and its first display, while they run.
add_test(NAME uia_names COMMAND sh -c [[names() { xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$1" \
  "$(printf 'Z:%s' "$2" | sed 's|/|\\|g')" >"$3"; }
  { names "$1" "$2" "$4" || names "$1" "$2" "$4"; } && LC_ALL=C sort -o "$4" "$4" &&
  LC_ALL=C sort "$3" | diff -u - "$4"]]
  ${PROJECT_SOURCE_DIR}/scripts/wine-run $<TARGET_FILE:uia_names> $<TARGET_FILE:flightcalc>
  ${CMAKE_CURRENT_SOURCE_DIR}/windows_uia_names.txt ${CMAKE_CURRENT_BINARY_DIR}/uia_names.txt)
set_tests_properties(uia_names PROPERTIES RESOURCE_LOCK xvfb LABELS start
  ENVIRONMENT "WINEQT_QPA_PLATFORM=windows;FLIGHTCALC_WINE_PREFIXES=${CMAKE_CURRENT_BINARY_DIR}/uia-wine")
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
# No vulnerability of the project's list is in the program unfixed.
add_test(NAME cves COMMAND ${FLIGHTCALC_NOTICES_COMMAND} --qt-version ${Qt6_VERSION}
  --cves ${PROJECT_SOURCE_DIR}/cmake/windows-cves.txt)
set_tests_properties(notices cves PROPERTIES LABELS package)
# Every DLL the program loads comes with every Windows 10 and 11: the system's own and the
# api-ms-win-* sets its loader maps onto them. Wine carries more (msvcp*, vcruntime*, d3dx9_*),
# which a user's Windows may lack, so the list is written out.
set(windows_dlls advapi32 authz bcrypt comctl32 comdlg32 crypt32 d2d1 d3d9 d3d11 d3d12 dwmapi
  dwrite dxgi gdi32 imm32 iphlpapi kernel32 mpr msimg32 msvcrt netapi32 ntdll ole32 oleaut32
  setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm winspool.drv ws2_32 wtsapi32)
string(JOIN "|" windows_dlls api-ms-win-.* ${windows_dlls})
add_test(NAME imports COMMAND sh -c [[dlls=$("$0" -p "$1" | sed -n 's/^\tDLL Name: //p' | tr A-Z a-z) &&
  [ -n "$dlls" ] && ! echo "$dlls" | sed 's/\.dll$//' | grep -vxE "$2"]]
  ${CMAKE_OBJDUMP} $<TARGET_FILE:flightcalc> "${windows_dlls}")
set_tests_properties(imports PROPERTIES LABELS start)

# What the windows package preset made (cpack): the installer, the archive and the relink kit,
# newer than the program, unpacked.
set(package ${PROJECT_BINARY_DIR}/flightcalc-${PROJECT_VERSION}-win64)
set(unpacked ${CMAKE_CURRENT_BINARY_DIR}/package)
add_test(NAME package.unpack COMMAND sh -c [[for f in "$1.exe" "$1.zip" "$1-relink.zip"; do
  [ "$f" -nt "$3" ] || { echo "no $f newer than $3: cpack --preset windows" >&2; exit 1; }; done
  rm -rf "$2" && mkdir -p "$2" && cp "$1.exe" "$2" && unzip -q "$1.zip" -d "$2/archive" &&
  unzip -q "$1-relink.zip" -d "$2/kit"]] sh ${package} ${unpacked} $<TARGET_FILE:flightcalc>)
# No folder of this machine in any of them: the clone's, its home's, the Qt cache's.
cmake_path(SET qt_cache NORMALIZE "${QT6_INSTALL_PREFIX}/..")
add_test(NAME package.no_build_paths COMMAND sh -c [[! grep -r -l -a -F -e "$1" -e "$HOME/" -e "$2" "$3"]]
  sh ${PROJECT_SOURCE_DIR} ${qt_cache} ${unpacked})
# The relink kit, unpacked alone and linked against the same Qt, gives the program in the
# archive, byte for byte.
add_test(NAME package.relink COMMAND sh -c [[rm -rf "$2" &&
  "$0" -S "$1"/kit/* -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release "$3" "$4" >/dev/null &&
  "$0" --build "$2" >/dev/null && cmp "$2/flightcalc.exe" "$1/archive/flightcalc.exe"]]
  ${CMAKE_COMMAND} ${unpacked} ${CMAKE_CURRENT_BINARY_DIR}/relink
  -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake
  -DCMAKE_PREFIX_PATH=${QT6_INSTALL_PREFIX})
set_tests_properties(package.unpack PROPERTIES LABELS package FIXTURES_SETUP windows_package)
set_tests_properties(package.no_build_paths package.relink PROPERTIES LABELS package
  FIXTURES_REQUIRED windows_package)
# The installer under Wine, on a display of its own (tests/windows_install_check.sh).
add_test(NAME install_check COMMAND xvfb-run -a -s "-screen 0 1280x1024x24"
  ${CMAKE_CURRENT_SOURCE_DIR}/windows_install_check.sh ${PROJECT_BINARY_DIR} ${package}.exe)
set_tests_properties(install_check PROPERTIES LABELS install FIXTURES_REQUIRED windows_package
  RESOURCE_LOCK xvfb TIMEOUT 1200)
