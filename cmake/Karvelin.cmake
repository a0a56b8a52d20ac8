# karvelin_library(<name> DEPS <libs...>)
# One static library per source folder. Sources are collected from the
# folder itself so that adding a file never means touching CMake.
function(karvelin_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER srcs EXCLUDE REGEX "/main\\.cpp$")
  set(cpp ${srcs})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# karvelin_test(<folder> DEPS <libs...>)
# One GoogleTest executable per tests/ sub-folder.
function(karvelin_test folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  set(exe test_${folder})
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE karvelin_test_support ${ARG_DEPS})
  # Tests of shipped data files read them from the source tree.
  target_compile_definitions(${exe} PRIVATE KARVELIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(env "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
  # One ctest entry per test (label "each") for picking single tests ...
  gtest_discover_tests(${exe}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES LABELS each ENVIRONMENT "${env}"
    DISCOVERY_TIMEOUT 60)
  # ... and the whole program as one process, in its own order and shuffled
  # with a fixed seed, since a test that leans on what an earlier one left
  # (or breaks a later one) passes alone and fails only here. A game's fatal
  # error ends the process with status 0, so a run passes only when the
  # program reached its summary with nothing failed.
  add_test(NAME ${exe}.whole COMMAND ${exe})
  add_test(NAME ${exe}.shuffled COMMAND ${exe} --gtest_shuffle --gtest_random_seed=1)
  set_tests_properties(${exe}.whole ${exe}.shuffled PROPERTIES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ENVIRONMENT "${env}"
    LABELS whole
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()
