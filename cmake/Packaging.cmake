# The packages: on Linux the Debian package (the package preset); for Windows the installer and
# the portable archive (the windows preset's).

set(CPACK_PACKAGE_NAME flightcalc)
set(CPACK_PACKAGE_VENDOR "Flight Calculator developers")
set(CPACK_PACKAGE_CONTACT "Flight Calculator developers <flightcalc@gruzreis.ru>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fuel, descent and income calculator for a cargo flight")
set(CPACK_PACKAGE_DESCRIPTION
  "One window with three calculators side by side, for pilots of one\n\
transport aircraft type in a flight-simulation economy: the descent\n\
distance from a flight altitude, the fuel to load from altitude, range,\n\
cargo, taxi fuel and reserve, and the income of the flight from the fuel\n\
price and the cargo income. The texts of the window are Russian.")
set(CPACK_STRIP_FILES ON)
# Beside each package the build tree holds, its SHA-256 sum.
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGE_CHECKSUM SHA256)
# Every time in a package is the commit's, read as cpack starts (commit_time.cmake).
set(CPACK_FLIGHTCALC_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/commit_time.cmake)

if(WIN32)
  # For all users, into Program Files, or for the current user, into their LocalAppData\Programs,
  # with one Start-menu entry and an entry in Apps & features that uninstalls it. The installer is
  # made from the project's NSIS.template.in, beside this file, which CPack finds before its own
  # (its head lists what the installer does).
  list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
  # Apps & features names the publisher of the version sheet.
  set(CPACK_PACKAGE_VENDOR "${FLIGHTCALC_PUBLISHER}")
  # The name of the mutex the running program holds.
  set(CPACK_FLIGHTCALC_APP_ID ${FLIGHTCALC_APP_ID})
  set(CPACK_PACKAGE_INSTALL_DIRECTORY "Калькулятор рейса")
  set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY flightcalc)
  # No CPACK_PACKAGE_EXECUTABLES: CPack's link would point into a bin folder the program is not in
  # (CPACK_NSIS_EXECUTABLES_DIRECTORY); the template makes the one link itself.
  set(CPACK_NSIS_DISPLAY_NAME "Калькулятор рейса")
  set(CPACK_NSIS_PACKAGE_NAME "Калькулятор рейса ${PROJECT_VERSION}")
  set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
  # The program's own icon on the installer, the uninstaller, and (from the program's
  # resources) the Start-menu entry and Apps & features.
  set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/app/art/icon/flightcalc.ico)
  set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/app/art/icon/flightcalc.ico)
  set(CPACK_NSIS_INSTALLED_ICON_NAME flightcalc.exe)
  # The installer's version sheet and footer are the program's, not NSIS's; the uninstaller
  # carries the same sheet.
  set(CPACK_FLIGHTCALC_SETUP_DESCRIPTION "Установка и удаление «Калькулятор рейса»")
  set(CPACK_FLIGHTCALC_COPYRIGHT "${FLIGHTCALC_COPYRIGHT}")
  set(CPACK_FLIGHTCALC_BRANDING_TEXT "Калькулятор рейса ${PROJECT_VERSION}")
  set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
  # The archive holds the program alone, to be run from wherever it is unpacked.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_GENERATOR NSIS ZIP)
  # The program is stripped as it links; a strip here would give it a new time stamp.
  set(CPACK_STRIP_FILES OFF)
  # makensis keeps each file's time: the staged files take the commit's.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/staged_file_times.cmake)
  # After the archive, the relink kit of the program in it, from this build and this Qt.
  set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/relink_kit.cmake)
  set(CPACK_FLIGHTCALC_BINARY_DIR ${PROJECT_BINARY_DIR})
  set(CPACK_FLIGHTCALC_PYTHON ${FLIGHTCALC_PYTHON})
  cmake_path(GET Qt6_DIR PARENT_PATH qt_prefix)
  cmake_path(GET qt_prefix PARENT_PATH qt_prefix)
  cmake_path(GET qt_prefix PARENT_PATH CPACK_FLIGHTCALC_QT_PREFIX)
  include(CPack)

  # Debian's source package files of the Qt inside the program, published beside it (qt-source/),
  # with their sums.
  file(GLOB qt_source_files ${FLIGHTCALC_QT_SOURCE}/qt6-base_*)
  list(TRANSFORM qt_source_files REPLACE "^.*/" "qt-source/" OUTPUT_VARIABLE qt_source_copies)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/qt-source.sha256
    COMMAND ${CMAKE_COMMAND} -E rm -rf qt-source
    COMMAND ${CMAKE_COMMAND} -E make_directory qt-source
    COMMAND ${CMAKE_COMMAND} -E copy ${qt_source_files} qt-source
    COMMAND sha256sum ${qt_source_copies} > qt-source.sha256
    DEPENDS ${qt_source_files} WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
    COMMENT "Copying the Qt source beside the packages")
  add_custom_target(flightcalc_qt_source ALL DEPENDS ${PROJECT_BINARY_DIR}/qt-source.sha256)
  return()
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the binary links (whose package also brings the X11 and JPEG plugins):
# the faces the window is laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")

# Debian asks every package for its copyright and changelog; they are the package's, so a plain
# `cmake --install` leaves them out.
set(debian_changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(
  OUTPUT ${debian_changelog}
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/debian-changelog > ${debian_changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian-changelog
  COMMENT "Compressing the package changelog")
add_custom_target(flightcalc_changelog ALL DEPENDS ${debian_changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian-copyright RENAME copyright
  DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${debian_changelog}
  DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
  "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

include(CPack)
