# With FLIGHTCALC_LINT clang-tidy (.clang-tidy) and cppcheck check every source of ours as it
# compiles, and a finding fails the build; Ninja checks again only what it compiles again. The
# native lint build also has the tests of the lint label: the C++ layout, and shellcheck,
# pyflakes and eslint over every script.
option(FLIGHTCALC_LINT "Check each source with clang-tidy and cppcheck as it compiles" OFF)
if(NOT FLIGHTCALC_LINT)
  return()
endif()
find_program(FLIGHTCALC_CLANG_TIDY clang-tidy REQUIRED)
find_program(FLIGHTCALC_CPPCHECK cppcheck REQUIRED)

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

# Off for the whole tree:
#   useStlAlgorithm     an opinion: a loop that fills a vector reads as well as std::transform;
#   unusedStructMember  the test rows' members are read through GetParam(), which it does not
#                       follow;
#   normalCheckLevelMaxBranches  cppcheck 2.17's note that it limits its branch analysis in the
#                       longest functions, where 2.10 says nothing: a note, not a finding.
# Qt's and the system's headers come in through -isystem, which cppcheck is not given.
set(CMAKE_CXX_CPPCHECK ${FLIGHTCALC_CPPCHECK} --quiet --error-exitcode=1 --std=c++20
  --enable=warning,style,performance,portability --library=qt --library=googletest
  --inline-suppr --suppress=missingIncludeSystem --suppress=useStlAlgorithm
  --suppress=unusedStructMember --suppress=normalCheckLevelMaxBranches
  "--suppress=*:${PROJECT_BINARY_DIR}/*")

if(CMAKE_CROSSCOMPILING OR NOT BUILD_TESTING)
  return()
endif()
# The scripts of each language, found by their names and first lines, so a new one is linted too.
function(flightcalc_scripts out pattern)
  file(GLOB candidates CONFIGURE_DEPENDS LIST_DIRECTORIES false RELATIVE ${PROJECT_SOURCE_DIR}
    ${ARGN})
  set(found "")
  foreach(file IN LISTS candidates)
    file(STRINGS ${PROJECT_SOURCE_DIR}/${file} first LIMIT_COUNT 1)
    if(file MATCHES "${pattern}" OR first MATCHES "^(#!.*|# shellcheck shell=)${pattern}")
      list(APPEND found ${file})
    endif()
  endforeach()
  list(SORT found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()
set(folders app bench calc cmake convert fuzz scripts tests web window)
list(TRANSFORM folders APPEND /* OUTPUT_VARIABLE everything)
flightcalc_scripts(cpp_files "\\.(cpp|h)$" ${everything} app/*/* tests/*/*)
flightcalc_scripts(shell_files "(ba)?sh$" ${everything} .ci/*)
flightcalc_scripts(python_files "(\\.py|python3)$" ${everything})
flightcalc_scripts(javascript_files "\\.(js|mjs)$" ${everything})

add_test(NAME lint.layout COMMAND clang-format --dry-run --Werror ${cpp_files})
# What clang-format would change, changed: cmake --build --preset lint --target format.
add_custom_target(format COMMAND clang-format -i ${cpp_files} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
add_test(NAME lint.shell COMMAND shellcheck ${shell_files})
add_test(NAME lint.python COMMAND pyflakes3 ${python_files})
# The linter at the version of the lock file the page's tests use; its base path is the root.
add_test(NAME lint.npm COMMAND npm ci --prefix web --no-audit --no-fund --loglevel=error)
add_test(NAME lint.javascript COMMAND web/node_modules/.bin/eslint --config web/eslint.config.mjs
  --max-warnings 0 ${javascript_files})
set_tests_properties(lint.layout lint.shell lint.python lint.npm lint.javascript PROPERTIES
  LABELS lint WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
# Node trusts the system's certificates, as apt does, rather than only the ones it was built with.
set_tests_properties(lint.npm PROPERTIES FIXTURES_SETUP npm ENVIRONMENT NODE_OPTIONS=--use-openssl-ca)
set_tests_properties(lint.javascript PROPERTIES FIXTURES_REQUIRED npm)
