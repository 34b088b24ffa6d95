# Options every target of ours links to, instead of directory-wide flags.

option(FLIGHTCALC_WERROR "Treat compiler warnings as errors" OFF)

add_library(flightcalc_warnings INTERFACE)
target_compile_options(flightcalc_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
  $<$<BOOL:${FLIGHTCALC_WERROR}>:-Werror>)

# Results are compared to the last of fifteen digits: each step rounded on its own, as IEEE 754
# gives it (no fused multiply-add, no fast-math), on every compiler and platform alike.
add_library(flightcalc_strict_fp INTERFACE)
target_compile_options(flightcalc_strict_fp INTERFACE -ffp-contract=off -fno-fast-math)

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

# No folder of the machine that built it in what ships (debug information, __FILE__): the
# sources and the build tree are named by their place in the project, so two clones give the
# same bytes.
add_library(flightcalc_reproducible INTERFACE)
# The last map that matches wins, so the build tree's comes second.
target_compile_options(flightcalc_reproducible INTERFACE
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

# The hardening Debian gives the programs it builds, for the optimised Linux builds (the program,
# its package, the benchmarks): what this release's dpkg-buildflags gives, and what Debian 12's
# lacks (stack-clash protection, control-flow protection). The Windows program's own code gets a
# stack protector, its runtime linked in.
add_library(flightcalc_hardening INTERFACE)
if(WIN32)
  target_compile_options(flightcalc_hardening INTERFACE -fstack-protector-strong)
  target_link_options(flightcalc_hardening INTERFACE -fstack-protector-strong)
elseif(NOT FLIGHTCALC_FUZZ AND NOT EMSCRIPTEN)
  find_program(FLIGHTCALC_DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT FLIGHTCALC_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags gives the build its hardening: install dpkg-dev")
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${FLIGHTCALC_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # Optimisation, debug information and paths are the build type's and ours.
    list(FILTER flags EXCLUDE REGEX "^-(g.*|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
    set(hardening_${kind} ${flags})
  endforeach()
  foreach(flag -fstack-clash-protection -fcf-protection)
    if(NOT flag IN_LIST hardening_CXXFLAGS)
      list(APPEND hardening_CXXFLAGS ${flag})
    endif()
  endforeach()
  # _FORTIFY_SOURCE needs optimisation; the debug build has the sanitizers instead.
  set(optimised $<NOT:$<CONFIG:Debug>>)
  target_compile_options(flightcalc_hardening INTERFACE
    "$<${optimised}:${hardening_CPPFLAGS};${hardening_CXXFLAGS}>")
  target_link_options(flightcalc_hardening INTERFACE "$<${optimised}:${hardening_LDFLAGS}>")
endif()
