# Options every target of ours links to, instead of directory-wide flags.

option(FLIGHTCALC_WERROR "Treat compiler warnings as errors" OFF)

add_library(flightcalc_warnings INTERFACE)
target_compile_options(flightcalc_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
  $<$<BOOL:${FLIGHTCALC_WERROR}>:-Werror>)

# Results are compared to the last of fifteen digits and every step is checked for
# floating-point faults: no fused multiply-add, no fast-math, no folding that assumes
# the default rounding mode or that arithmetic cannot trap.
add_library(flightcalc_strict_fp INTERFACE)
target_compile_options(flightcalc_strict_fp INTERFACE
  -ffp-contract=off -fno-fast-math -ftrapping-math -frounding-math)

# Address and undefined-behaviour sanitizers for the debug preset.
option(FLIGHTCALC_SANITIZE "Build with address and undefined-behaviour sanitizers" OFF)
add_library(flightcalc_sanitizers INTERFACE)
if(FLIGHTCALC_SANITIZE)
  target_compile_options(flightcalc_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(flightcalc_sanitizers INTERFACE -fsanitize=address,undefined)
  target_sources(flightcalc_sanitizers INTERFACE
    $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:${CMAKE_CURRENT_LIST_DIR}/sanitizer_options.cpp>)
endif()

# With FLIGHTCALC_FUZZ (clang) the libraries carry the fuzzer's coverage and the sanitizers
# through flightcalc_sanitizers, which they link, so the fuzzer sees their branches too.
add_library(flightcalc_fuzz_coverage INTERFACE)
if(FLIGHTCALC_FUZZ)
  target_compile_options(flightcalc_fuzz_coverage INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(flightcalc_fuzz_coverage INTERFACE -fsanitize=address,undefined)
  target_link_libraries(flightcalc_sanitizers INTERFACE flightcalc_fuzz_coverage)
endif()
