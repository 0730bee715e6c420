# SPDX-License-Identifier: GPL-3.0-or-later
# Descriptive pages. Every pages/<path>.rtf.md and pages/<path>.txt.md (UTF-8 with light markup)
# becomes <build>/<path>.rtf (RTF, code page 1251) or <build>/<path>.txt (Windows-1251, CR LF),
# beside the executables. One build rule per page, so an edited page rebuilds alone; a new page
# is picked up at the next build (the glob is re-checked).

add_library(gavrosin_pagegen_lib STATIC
  ${CMAKE_SOURCE_DIR}/generators/pages/page_source.cpp
  ${CMAKE_SOURCE_DIR}/generators/pages/page_output.cpp)
target_include_directories(gavrosin_pagegen_lib PUBLIC ${CMAKE_SOURCE_DIR}/generators/pages)
target_link_libraries(gavrosin_pagegen_lib PUBLIC gavrosin_text)
target_compile_options(gavrosin_pagegen_lib PRIVATE ${GAVROSIN_WARNINGS})

add_executable(gavrosin-pagegen ${CMAKE_SOURCE_DIR}/generators/pages/pagegen.cpp)
target_link_libraries(gavrosin-pagegen PRIVATE gavrosin_pagegen_lib)
target_compile_options(gavrosin-pagegen PRIVATE ${GAVROSIN_WARNINGS})

# Every .md file is taken, so that a misnamed page ("s1.rft.md") stops the build with a message
# instead of silently leaving its data file missing.
file(GLOB_RECURSE GAVROSIN_PAGE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/pages/*.md)
list(SORT GAVROSIN_PAGE_SOURCES)
set(GAVROSIN_PAGE_OUTPUTS)
foreach(page_source ${GAVROSIN_PAGE_SOURCES})
  file(RELATIVE_PATH page_relative ${CMAKE_SOURCE_DIR}/pages ${page_source})
  string(REGEX REPLACE "\\.md$" "" page_relative "${page_relative}")
  set(page_output ${CMAKE_BINARY_DIR}/${page_relative})
  add_custom_command(
    OUTPUT ${page_output}
    COMMAND gavrosin-pagegen ${page_source} ${page_output}
    DEPENDS ${page_source} gavrosin-pagegen
    COMMENT "Page ${page_relative}"
    VERBATIM)
  list(APPEND GAVROSIN_PAGE_OUTPUTS ${page_output})
endforeach()
add_custom_target(gavrosin_pages ALL DEPENDS ${GAVROSIN_PAGE_OUTPUTS})
add_dependencies(gavrosin gavrosin_pages)

# The test programs are defined after this file is read: hook them up at the end.
function(gavrosin_pages_finish)
  foreach(target test_windows gavrosin-cli test_text)
    if(TARGET ${target})
      add_dependencies(${target} gavrosin_pages)
    endif()
  endforeach()
  # The data-file test reads the pages and the copied data/ beside the executables.
  if(TARGET test_text AND TARGET gavrosin_data)
    add_dependencies(test_text gavrosin_data)
  endif()
  if(BUILD_TESTING)
    gavrosin_test_program(test_pages
      SOURCES ${CMAKE_SOURCE_DIR}/generators/pages/page_source_test.cpp
      DEPENDS gavrosin_pagegen_lib
      LABEL engine)
  endif()
endfunction()
cmake_language(DEFER CALL gavrosin_pages_finish)
