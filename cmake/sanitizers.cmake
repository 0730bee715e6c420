# SPDX-License-Identifier: GPL-3.0-or-later
# Instrumented builds for CI and for hunting faults (clang):
#   GAVROSIN_SANITIZE  AddressSanitizer and UndefinedBehaviorSanitizer on everything built; any
#                      undefined behaviour stops the program.
#   GAVROSIN_FUZZ      also the coverage instrumentation libFuzzer needs, and the fuzz targets of
#                      tests/fuzz (cmake/fuzz.cmake).
# Included before any target, so every library and test program is built the same way.
option(GAVROSIN_SANITIZE "Build with -fsanitize=address,undefined" OFF)
option(GAVROSIN_FUZZ "Build the libFuzzer targets of tests/fuzz (clang)" OFF)

if(GAVROSIN_SANITIZE OR GAVROSIN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "GAVROSIN_SANITIZE and GAVROSIN_FUZZ need clang (CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
if(GAVROSIN_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
