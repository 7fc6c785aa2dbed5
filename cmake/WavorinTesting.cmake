# Test helpers. Each no-ops on the platform it does not belong to, so test folders
# can declare all their kinds of test side by side.
#
#   wavorin_native_test(<name> SOURCES ... [LIBS ...])    GoogleTest on Linux
#   wavorin_windows_test(<name> SOURCES ... [LIBS ...])   GoogleTest under wine64
#   wavorin_e2e_test(<name> SOURCES ... [LIBS ...])       drives the real programs under wine64
#   wavorin_fuzzer(<name> SOURCES ... [LIBS ...] [CORPUS dir] [ARGS ...])  libFuzzer, clang only

set(WAVORIN_IS_NATIVE OFF)
if(NOT WIN32)
  set(WAVORIN_IS_NATIVE ON)
endif()

# Windows tests run only where an emulator exists (the 64-bit build).
set(WAVORIN_RUN_WINDOWS_TESTS OFF)
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(WAVORIN_RUN_WINDOWS_TESTS ON)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/scripts/wine-run.sh;${CMAKE_BINARY_DIR}")
endif()

set(WAVORIN_TEST_OUTPUT_DIR ${CMAKE_BINARY_DIR}/tests)

function(_wavorin_gtest_exe name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main wavorin_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${WAVORIN_TEST_OUTPUT_DIR})
endfunction()

function(wavorin_native_test name)
  if(NOT WAVORIN_IS_NATIVE)
    return()
  endif()
  _wavorin_gtest_exe(${name} ${ARGN})
  add_test(NAME native.${name} COMMAND ${name})
  set_tests_properties(native.${name} PROPERTIES LABELS native TIMEOUT 300)
endfunction()

function(wavorin_windows_test name)
  if(NOT WAVORIN_RUN_WINDOWS_TESTS)
    return()
  endif()
  _wavorin_gtest_exe(${name} ${ARGN})
  add_test(NAME windows.${name} COMMAND ${name})
  set_tests_properties(windows.${name} PROPERTIES LABELS windows TIMEOUT 600)
endfunction()

function(wavorin_e2e_test name)
  if(NOT WAVORIN_RUN_WINDOWS_TESTS)
    return()
  endif()
  _wavorin_gtest_exe(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE wavorin_e2e_harness)
  add_dependencies(${name} wavorin_deliverables)
  add_test(NAME e2e.${name} COMMAND ${name})
  # The programs share the fixed work directory C:\vetsu_temp: one e2e test at a time.
  set_tests_properties(e2e.${name} PROPERTIES LABELS e2e TIMEOUT 900 RESOURCE_LOCK vetsu_temp)
endfunction()

function(wavorin_fuzzer name)
  if(NOT WAVORIN_IS_NATIVE OR NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    return()
  endif()
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} wavorin_warnings)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${WAVORIN_TEST_OUTPUT_DIR})
  # A short smoke run keeps the target honest in every test run; a long run is the same
  # command by hand with -max_total_time=<seconds> in place of -runs.
  # New inputs go to the first folder given, a scratch folder, so the committed corpus stays as it is.
  set(scratch ${CMAKE_BINARY_DIR}/fuzz-scratch/${name})
  file(MAKE_DIRECTORY ${scratch})
  add_test(NAME fuzz.${name} COMMAND ${name} -runs=20000 ${ARG_ARGS} ${scratch} ${ARG_CORPUS})
  set_tests_properties(fuzz.${name} PROPERTIES LABELS native TIMEOUT 300)
endfunction()
