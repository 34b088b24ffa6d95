# With FLIGHTCALC_LINT clang-tidy (.clang-tidy) checks every source of ours as it compiles, and a
# finding fails the build; Ninja checks again only what it compiles again.
option(FLIGHTCALC_LINT "Check each source with clang-tidy as it compiles" OFF)
if(NOT FLIGHTCALC_LINT)
  return()
endif()
find_program(FLIGHTCALC_CLANG_TIDY clang-tidy REQUIRED)

# Qt's generated sources (moc, rcc, plugin imports) lie in the build tree: no check of ours
# reads them. clang-tidy wants one check; this one reads Objective-C only.
file(WRITE ${PROJECT_BINARY_DIR}/.clang-tidy
  "Checks: '-*,objc-property-declaration'\nInheritParentConfig: false\n")

set(tidy ${FLIGHTCALC_CLANG_TIDY} --quiet)
if(CMAKE_CROSSCOMPILING)
  # clang takes neither the target from the MinGW driver's name nor its C++ headers: name both
  # (the compiler's own folder holds GCC's intrinsics, which clang brings itself).
  string(REGEX REPLACE "-g\\+\\+.*$" "" triple "${CMAKE_CXX_COMPILER}")
  get_filename_component(triple "${triple}" NAME)
  list(APPEND tidy --extra-arg=--target=${triple})
  foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
    if(dir MATCHES "/c\\+\\+|mingw32/include$")
      list(APPEND tidy --extra-arg-before=-isystem${dir})
    endif()
  endforeach()
endif()
set(CMAKE_CXX_CLANG_TIDY ${tidy})
