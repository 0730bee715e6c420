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
# LABELS says what kind of test it is (tests/README.md): engine, window, cli, install, slow.
function(gavrosin_test_program name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LABELS" ${ARGN})
  if(NOT ARG_LABELS)
    message(FATAL_ERROR "${name}: a test program needs LABELS (see tests/README.md)")
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${GAVROSIN_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    GAVROSIN_BINARY_DIR="${PROJECT_BINARY_DIR}" GAVROSIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" LABELS "${ARG_LABELS}")
endfunction()
