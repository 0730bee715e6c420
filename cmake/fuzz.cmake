# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer targets (GAVROSIN_FUZZ, clang): one per parser of the files and arguments the
# program takes from outside. Each checks properties of what it parsed, not only that it did not
# crash. CTest replays the committed corpora (seeds: real files the program writes; regressions:
# the minimised inputs of faults once found) through every target once.
#
# Longer runs by hand, for example ten minutes of the RTF reader:
#   build-fuzz/fuzz_rtf -max_total_time=600 -max_len=4096 -dict=tests/fuzz/rtf.dict \
#     build-fuzz/fuzz-corpus/rtf tests/fuzz/corpus/rtf tests/fuzz/regressions/rtf
if(NOT GAVROSIN_FUZZ)
  return()
endif()

set(GAVROSIN_FUZZ_DIR ${PROJECT_SOURCE_DIR}/tests/fuzz)
function(gavrosin_fuzz_target name)
  add_executable(fuzz_${name} ${GAVROSIN_FUZZ_DIR}/${name}_fuzz.cpp ${ARGN})
  target_include_directories(fuzz_${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${GAVROSIN_FUZZ_DIR})
  target_compile_options(fuzz_${name} PRIVATE ${GAVROSIN_WARNINGS})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  set(corpora)
  foreach(kind corpus regressions)
    if(EXISTS ${GAVROSIN_FUZZ_DIR}/${kind}/${name})
      list(APPEND corpora ${GAVROSIN_FUZZ_DIR}/${kind}/${name})
    endif()
  endforeach()
  # -runs=0: run every input of the corpora once and stop.
  add_test(NAME FuzzReplay.${name} COMMAND fuzz_${name} -runs=0 ${corpora})
  set_tests_properties(FuzzReplay.${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                                     LABELS "engine")
endfunction()

gavrosin_fuzz_target(cp1251)
target_link_libraries(fuzz_cp1251 PRIVATE gavrosin_text)
gavrosin_fuzz_target(rtf)
target_link_libraries(fuzz_rtf PRIVATE gavrosin_text)
# The RTF reader and writer, and the UTF-8 helpers they call, walk every byte of a text: tracing
# each of their comparisons took half the fuzzer's time and could not teach it the control words,
# which the reader finds by hashing. They keep their coverage counters and the sanitizers, are
# optimised as in a release build, and tests/fuzz/rtf.dict hands the fuzzer the words.
set_source_files_properties(${PROJECT_SOURCE_DIR}/src/text/rtf_reader.cpp
  ${PROJECT_SOURCE_DIR}/src/text/rtf_writer.cpp ${PROJECT_SOURCE_DIR}/src/text/utf8.cpp
  TARGET_DIRECTORY gavrosin_text PROPERTIES COMPILE_OPTIONS "-fno-sanitize-coverage=trace-cmp;-O2")
gavrosin_fuzz_target(ini)
target_link_libraries(fuzz_ini PRIVATE gavrosin_text)
gavrosin_fuzz_target(notes)
target_link_libraries(fuzz_notes PRIVATE gavrosin_reference)
gavrosin_fuzz_target(person_file)
target_link_libraries(fuzz_person_file PRIVATE gavrosin_person)
gavrosin_fuzz_target(table_file)
target_link_libraries(fuzz_table_file PRIVATE gavrosin_geomancy)
gavrosin_fuzz_target(place_search)
target_link_libraries(fuzz_place_search PRIVATE gavrosin_astro)
add_dependencies(fuzz_place_search gavrosin_data)
gavrosin_fuzz_target(cli_args)
target_link_libraries(fuzz_cli_args PRIVATE gavrosin_cli_commands)
