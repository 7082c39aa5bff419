# Helpers shared by every area's CMakeLists.

include(GoogleTest)

# vexmora_test(NAME name SOURCES ... LIBS ... [OWN_MAIN] [PROPERTIES key value ...])
# OWN_MAIN: the sources bring their own main() (e.g. one that makes a QApplication).
# ENVIRONMENT A=1 B=2: variables set for every test of the program.
# A GoogleTest program, kept out of the program folder, registered test by test with CTest.
function(vexmora_test)
  cmake_parse_arguments(ARG "OWN_MAIN" "NAME" "SOURCES;LIBS;PROPERTIES;ENVIRONMENT" ${ARGN})
  set(name ${ARG_NAME})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest vexmora_warnings)
  else()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main vexmora_warnings)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    VEXMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VEXMORA_GAME_DIR="${VEXMORA_GAME_DIR}")
  if(ARG_ENVIRONMENT)
    # Set by the program itself before main(), so test discovery sees them too.
    list(JOIN ARG_ENVIRONMENT "|" environment)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/test_environment.cpp)
    target_compile_definitions(${name} PRIVATE VEXMORA_TEST_ENVIRONMENT="${environment}")
  endif()
  if(ARG_PROPERTIES)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${ARG_PROPERTIES})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# vexmora_bench(NAME name SOURCES ... LIBS ...)
function(vexmora_bench)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  set(name ${ARG_NAME})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark vexmora_warnings)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# vexmora_fuzzer(NAME name SOURCES ... LIBS ...)
function(vexmora_fuzzer)
  cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS" ${ARGN})
  set(name ${ARG_NAME})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()
