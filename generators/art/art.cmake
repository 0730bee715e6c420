# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the bmp/ folder (glyphs, diagrams, compass, ruler), drawn at build time by our own
# tool into bmp/ beside the executables. Fonts: "Noto Sans CJK SC" and "Noto Serif CJK SC"
# (fonts-noto-cjk) for Chinese characters, "DejaVu Sans" (fonts-dejavu-core) for Russian text; a
# missing font only changes the look, the pictures are still made.

file(GLOB GAVROSIN_ARTGEN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/*.cpp ${CMAKE_CURRENT_LIST_DIR}/*.h)
add_executable(gavrosin-artgen ${GAVROSIN_ARTGEN_SOURCES})
target_link_libraries(gavrosin-artgen PRIVATE Qt6::Gui Qt6::Svg)
target_compile_options(gavrosin-artgen PRIVATE ${GAVROSIN_WARNINGS})
set_target_properties(gavrosin-artgen PROPERTIES AUTOMOC OFF AUTORCC OFF)

set(GAVROSIN_ART_DIR ${CMAKE_BINARY_DIR}/bmp)
set(GAVROSIN_ART_NAMES gan zhu diag diag1 diag3 diag4 lopan line)
foreach(n RANGE 1 10)
  list(APPEND GAVROSIN_ART_NAMES stvol${n})
endforeach()
foreach(n RANGE 1 12)
  list(APPEND GAVROSIN_ART_NAMES vetv${n})
endforeach()
foreach(n 1 2 3 4 6 7 8 9)
  list(APPEND GAVROSIN_ART_NAMES ${n})
endforeach()
set(GAVROSIN_ART_FILES)
foreach(name ${GAVROSIN_ART_NAMES})
  list(APPEND GAVROSIN_ART_FILES ${GAVROSIN_ART_DIR}/${name}.bmp)
endforeach()

add_custom_command(
  OUTPUT ${GAVROSIN_ART_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:gavrosin-artgen> ${GAVROSIN_ART_DIR}
  DEPENDS gavrosin-artgen
  COMMENT "Drawing the pictures of bmp/"
  VERBATIM)
add_custom_target(gavrosin_art ALL DEPENDS ${GAVROSIN_ART_FILES})

# The toolbar's pictograms (SVG, drawn sharp at any size by Qt's SVG icon engine), in
# pictograms/ beside the executable.
set(GAVROSIN_PICTOGRAM_DIR ${CMAKE_BINARY_DIR}/pictograms)
set(GAVROSIN_PICTOGRAM_NAMES new-window person house settings calendar ecliptic seasons officers
  mansions stems-branches ruler ba-zhai star-combinations trigrams notes day-selection star-pages
  ba-zhai-pages yin-yang lo-shu stem-branch-table stem-branch-diagram wu-xing analogies organs help
  print)
set(GAVROSIN_PICTOGRAM_FILES)
foreach(name ${GAVROSIN_PICTOGRAM_NAMES})
  list(APPEND GAVROSIN_PICTOGRAM_FILES ${GAVROSIN_PICTOGRAM_DIR}/${name}.svg)
endforeach()
add_custom_command(
  OUTPUT ${GAVROSIN_PICTOGRAM_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:gavrosin-artgen> --pictograms ${GAVROSIN_PICTOGRAM_DIR}
  DEPENDS gavrosin-artgen
  COMMENT "Drawing the toolbar's pictograms"
  VERBATIM)
add_custom_target(gavrosin_pictograms ALL DEPENDS ${GAVROSIN_PICTOGRAM_FILES})

if(TARGET gavrosin)
  add_dependencies(gavrosin gavrosin_art gavrosin_pictograms)
endif()

# The picture checks run in test_text, which is defined after this file is read: hook it up at
# the end of the configuration.
function(gavrosin_art_hook_tests)
  if(TARGET test_text)
    add_dependencies(test_text gavrosin_art)
  endif()
endfunction()
cmake_language(DEFER CALL gavrosin_art_hook_tests)
