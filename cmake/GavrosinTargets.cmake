# SPDX-License-Identifier: GPL-3.0-or-later
# How the project's libraries and test programs are made. Every folder of src/ is one static
# library with an explicit source list; engines link Qt Core only, window folders Qt Widgets.

function(gavrosin_add_library name qt_library)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${qt_library} ${ARG_DEPENDS})
  target_compile_options(${name} PRIVATE ${GAVROSIN_WARNINGS})
endfunction()

# An engine layer: plain rules, the standard library and Qt Core.
function(gavrosin_engine_library name)
  gavrosin_add_library(${name} Qt6::Core ${ARGN})
endfunction()

# Windows and drawing controls.
function(gavrosin_ui_library name)
  gavrosin_add_library(${name} Qt6::Widgets ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()

# A GoogleTest program; its cases are discovered by CTest and run offscreen in a neutral C locale.
# LABEL says what kind of test it is (tests/README.md): engine, window or cli. SLOW names the cases
# (a GoogleTest filter, "Suite.Case:Suite.*") that take seconds: they are labelled slow instead.
function(gavrosin_test_program name)
  cmake_parse_arguments(ARG "" "LABEL;SLOW" "SOURCES;DEPENDS" ${ARGN})
  if(NOT ARG_LABEL)
    message(FATAL_ERROR "${name}: a test program needs its LABEL (see tests/README.md)")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${GAVROSIN_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    GAVROSIN_BINARY_DIR="${PROJECT_BINARY_DIR}" GAVROSIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # One value a property: the discovered tests' properties reach set_tests_properties as one flat
  # list, so a value that is itself a list (two variables, two labels) would break the pairs.
  set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ENVIRONMENT_MODIFICATION "LC_ALL=set:C.UTF-8")
  if(ARG_SLOW)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_FILTER "-${ARG_SLOW}"
      PROPERTIES ${properties} LABELS ${ARG_LABEL})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST TEST_FILTER "${ARG_SLOW}"
      PROPERTIES ${properties} LABELS slow)
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties} LABELS ${ARG_LABEL})
  endif()
endfunction()
