# With FLIGHTCALC_COVERAGE (the debug preset) everything built on the conversions records the
# lines and branches its runs reach, for the figures scripts/test prints; g++'s --coverage
# works beside the sanitizers, so no build of its own is needed.
option(FLIGHTCALC_COVERAGE "Record line and branch coverage (g++ --coverage)" OFF)
if(FLIGHTCALC_COVERAGE)
  target_compile_options(flightcalc_sanitizers INTERFACE --coverage)
  target_link_options(flightcalc_sanitizers INTERFACE --coverage)
  # gcov finds the sources, the generated ones too, where the compiler saw them: no path maps.
  set_property(TARGET flightcalc_reproducible PROPERTY INTERFACE_COMPILE_OPTIONS "")
endif()
