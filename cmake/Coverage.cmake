# With FLIGHTCALC_COVERAGE (the debug preset) everything built on the conversions records the
# lines and branches its runs reach; g++'s --coverage works beside the sanitizers, so no build of
# its own is needed. Every test requires the fixture coverage, whose setup clears the counts and
# whose cleanup, after the last test, writes gcovr's report (gcovr.cfg) to coverage.txt.
option(FLIGHTCALC_COVERAGE "Record line and branch coverage (g++ --coverage)" OFF)
set(FLIGHTCALC_TEST_PROPERTIES "")
if(NOT FLIGHTCALC_COVERAGE)
  return()
endif()
target_compile_options(flightcalc_sanitizers INTERFACE --coverage)
target_link_options(flightcalc_sanitizers INTERFACE --coverage)
# gcov finds the sources, the generated ones too, where the compiler saw them: no path maps.
set_property(TARGET flightcalc_reproducible PROPERTY INTERFACE_COMPILE_OPTIONS "")
if(NOT BUILD_TESTING)
  return()
endif()
set(FLIGHTCALC_TEST_PROPERTIES FIXTURES_REQUIRED coverage)
find_program(FLIGHTCALC_GCOVR gcovr REQUIRED)
add_test(NAME coverage.reset
  COMMAND find ${PROJECT_BINARY_DIR} -name *.gcda -delete)
# It informs and never fails: docs/TESTING.md lists what stays unreached and why.
add_test(NAME coverage.report
  COMMAND ${FLIGHTCALC_GCOVR} --config ${PROJECT_SOURCE_DIR}/gcovr.cfg --root ${PROJECT_SOURCE_DIR}
          --txt ${PROJECT_BINARY_DIR}/coverage.txt ${PROJECT_BINARY_DIR})
set_tests_properties(coverage.reset PROPERTIES LABELS coverage FIXTURES_SETUP coverage)
set_tests_properties(coverage.report PROPERTIES LABELS coverage FIXTURES_CLEANUP coverage)
