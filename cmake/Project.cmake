# Warnings, sanitizers and the helpers every CMakeLists uses to add libraries, tests, benchmarks and fuzzers.

set(ZANDREL_WARNINGS -Wall -Wextra -Werror)

if(ZANDREL_SANITIZE OR ZANDREL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(ZANDREL_FUZZ)
  # Coverage instrumentation for the libraries too, so the fuzzers are guided inside them.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WIN32)
  # The programs must run from a bare folder: no runtime DLLs beside them.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # C99 printf conversions, the same text as the native build.
  add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
endif()

# Where optional shared test data lives (for example the bmpsuite); tests skip when it is absent.
get_filename_component(ZANDREL_TESTDATA_DIR "${PROJECT_SOURCE_DIR}/../shared/testdata" ABSOLUTE)
if(WIN32)
  # Under Wine the Unix root is drive Z:.
  set(ZANDREL_TESTDATA_PATH "Z:${ZANDREL_TESTDATA_DIR}")
else()
  set(ZANDREL_TESTDATA_PATH "${ZANDREL_TESTDATA_DIR}")
endif()

function(zandrel_warnings target)
  target_compile_options(${target} PRIVATE ${ZANDREL_WARNINGS})
endfunction()

# zandrel_library(name SOURCES ... [DEPS ...])
function(zandrel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/renderer ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  zandrel_warnings(${name})
endfunction()

# zandrel_test(name SOURCES ... [DEPS ...] [WINDOWS_ONLY] [NATIVE_ONLY] [LABELS ...] [TIMEOUT s])
# One ctest entry per executable, so that Wine's start-up is paid once per group of cases.
function(zandrel_test name)
  cmake_parse_arguments(ARG "WINDOWS_ONLY;NATIVE_ONLY" "TIMEOUT" "SOURCES;DEPS;LABELS" ${ARGN})
  if(ZANDREL_FUZZ)
    return()
  endif()
  if((ARG_WINDOWS_ONLY AND NOT WIN32) OR (ARG_NATIVE_ONLY AND WIN32))
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} zandrel_test_support GTest::gtest_main)
  zandrel_warnings(${name})
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()

# zandrel_benchmark(name SOURCES ... [DEPS ...]): native, unsanitized builds only; built, not run by ctest.
function(zandrel_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  if(WIN32 OR ZANDREL_SANITIZE OR ZANDREL_FUZZ OR NOT ZANDREL_BENCHMARKS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark_main)
  zandrel_warnings(${name})
endfunction()

# zandrel_fuzz(name SOURCES ... [DEPS ...] [CORPUS dir]): libFuzzer targets, built in the fuzz configuration.
function(zandrel_fuzz name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  if(NOT ZANDREL_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  zandrel_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY ZANDREL_FUZZERS "${name}|${ARG_CORPUS}")
endfunction()
