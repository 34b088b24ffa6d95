# Run by CPack after each generator: after the archive, the relink kit of the program in it
# (relink_kit.py), beside it in the build tree with its SHA-256 sum as CPack writes its own.
if(NOT CPACK_GENERATOR STREQUAL "ZIP")
  return()
endif()
set(name ${CPACK_PACKAGE_FILE_NAME}-relink)
set(kit ${CPACK_PACKAGE_DIRECTORY}/${name}.zip)
execute_process(COMMAND ${CPACK_FLIGHTCALC_PYTHON} ${CPACK_FLIGHTCALC_SOURCE_DIR}/cmake/relink_kit.py
    --build-dir ${CPACK_FLIGHTCALC_BINARY_DIR} --target app/flightcalc.exe
    --qt-prefix ${CPACK_FLIGHTCALC_QT_PREFIX}
    --qt-build ${CPACK_FLIGHTCALC_QT_PREFIX}/flightcalc-qt-build.txt
    --name ${name} --epoch $ENV{SOURCE_DATE_EPOCH} --out ${kit}
  COMMAND_ERROR_IS_FATAL ANY)
file(SHA256 ${kit} sum)
file(WRITE ${kit}.sha256 "${sum}  ${name}.zip\n")
message(STATUS "- relink kit: ${kit} generated.")
