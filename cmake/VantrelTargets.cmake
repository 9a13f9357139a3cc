# Helpers that keep the per-folder CMake files short.

find_program(VANTREL_ENV env REQUIRED)

# vantrel_library(<name> SOURCES ... LIBS ...): a static library whose headers are
# included relative to src/ ("numtext/NumberReading.h").
function(vantrel_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
endfunction()

# vantrel_test(<name> [OWN_MAIN] SOURCES ... LIBS ...): a GoogleTest program registered with
# CTest. Every test runs without a display and with its own settings and data folders. OWN_MAIN:
# the sources bring their own main() (to create the application object first).
function(vantrel_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    VANTREL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    VANTREL_SHIPPED_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
  # The environment is given through `env`, each variable an argument of its own: a list given as
  # a discovered test's ENVIRONMENT property would keep only its first variable.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${VANTREL_ENV}
    QT_QPA_PLATFORM=offscreen
    XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config
    XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-data
    VANTREL_MODULE_DIR=${VANTREL_BUILD_MODULEDIR})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# vantrel_bench(<name> SOURCES ... LIBS ...): a Google Benchmark program (not run by CTest).
function(vantrel_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  target_compile_definitions(${name} PRIVATE
    VANTREL_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    VANTREL_SHIPPED_DATA_DIR="${PROJECT_SOURCE_DIR}/data")
endfunction()
