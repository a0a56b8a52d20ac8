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

# karvelin_test(<folder> DEPS <libs...> [SHARDS <n>] [UNITY])
# One GoogleTest executable per tests/ sub-folder.
# With UNITY its files are compiled in batches, where names at file scope
# (anonymous namespaces included) must not clash: a file that cannot share
# gets the source property SKIP_UNITY_BUILD_INCLUSION (tests/CMakeLists.txt).
# A program too long for one ctest entry runs its whole and shuffled passes
# in <n> parts each (GoogleTest's sharding: every n-th test), which ctest
# runs side by side as the cores allow; tests added to the folder join a
# part by themselves.
function(karvelin_test folder)
  cmake_parse_arguments(ARG "UNITY" "SHARDS" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  if(NOT ARG_SHARDS)
    set(ARG_SHARDS 1)
  endif()
  set(exe test_${folder})
  add_executable(${exe} ${srcs})
  target_link_libraries(${exe} PRIVATE karvelin_test_support ${ARG_DEPS})
  # Test code compiles for the checks, not for speed: no optimisation (the
  # game's own libraries keep theirs), GoogleTest parsed once for all the
  # programs, and, with UNITY, the files compiled eight to a translation
  # unit. This cuts the test build to about a third and barely changes the run.
  target_compile_options(${exe} PRIVATE -O0)
  target_precompile_headers(${exe} REUSE_FROM karvelin_test_support)
  if(ARG_UNITY)
    # A file compiled inside a batch counts as a header to GCC, which then
    # warns of every fixture in an anonymous namespace.
    set_target_properties(${exe} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    target_compile_options(${exe} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
  endif()
  # Tests of shipped data files read them from the source tree.
  target_compile_definitions(${exe} PRIVATE KARVELIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set(env "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
  # One ctest entry per test (label "each") for picking single tests ...
  gtest_discover_tests(${exe}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES LABELS each ENVIRONMENT "${env}"
    DISCOVERY_TIMEOUT 60)
  # ... and the whole program in few processes, in its own order and
  # shuffled with a fixed seed, since a test that leans on what an earlier
  # one left (or breaks a later one) passes alone and fails only here. A
  # game's fatal error ends the process with status 0, so a run passes only
  # when the program reached its summary with nothing failed.
  # The run in its own order is one process, whatever the program's size:
  # it alone has every test beside every other. The shuffled run of a long
  # program goes in parts side by side (GoogleTest's sharding).
  add_test(NAME ${exe}.whole COMMAND ${exe})
  set_tests_properties(${exe}.whole PROPERTIES
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ENVIRONMENT "${env}"
    LABELS whole
    # The long programs start first, so the short ones fill the gaps.
    COST ${ARG_SHARDS}0
    TIMEOUT 1200
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  math(EXPR last "${ARG_SHARDS} - 1")
  foreach(shard RANGE ${last})
    if(ARG_SHARDS EQUAL 1)
      set(part "")
      set(shard_env "${env}")
    else()
      math(EXPR number "${shard} + 1")
      set(part ".${number}of${ARG_SHARDS}")
      set(shard_env "${env};GTEST_TOTAL_SHARDS=${ARG_SHARDS};GTEST_SHARD_INDEX=${shard}")
    endif()
    add_test(NAME ${exe}.shuffled${part} COMMAND ${exe} --gtest_shuffle --gtest_random_seed=1)
    set_tests_properties(${exe}.shuffled${part} PROPERTIES
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      ENVIRONMENT "${shard_env}"
      LABELS whole
      COST ${ARG_SHARDS}
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\."
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  endforeach()
endfunction()
