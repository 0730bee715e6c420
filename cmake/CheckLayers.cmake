# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every #include "folder/…" in src/ and bench/ runs down the layers:
#   text → astro → calendar → {geomancy, person, almanac → tools, reference} → interpretation → cli
#   (engines)  →  widgets → the ui folders → app, and cli/render (the drawing of the CLI's files)
# Run by CTest (test "Layers.IncludesRunDownTheLayers"): cmake -DSOURCE_DIR=<root> -P CheckLayers.cmake
# A folder may include itself and the folders listed for it here; the same table is what each
# folder's CMakeLists.txt links.

set(engines text astro calendar almanac geomancy person tools reference interpretation)
set(allowed_text "")
set(allowed_astro text)
set(allowed_calendar astro text)
set(allowed_geomancy calendar astro text)
set(allowed_almanac calendar astro text)
set(allowed_tools almanac calendar astro text)
set(allowed_person tools almanac calendar astro text)
set(allowed_reference geomancy calendar astro text)
set(allowed_interpretation geomancy person tools almanac reference calendar astro text)
set(allowed_cli ${engines})
set(allowed_bench ${engines})
set(allowed_widgets ${engines})
foreach(ui almanac reference tools geomancy interpretation)
  set(allowed_${ui}_ui ${engines} widgets)
endforeach()
# The calendar and day-choosing windows show the almanac with its own captions and section.
list(APPEND allowed_reference_ui almanac/ui)
list(APPEND allowed_tools_ui almanac/ui)
set(allowed_person_ui ${engines} widgets interpretation/ui)
# The drawing of the CLI's files: the window kit and the table's windows, for the table command.
set(allowed_cli_render ${engines} cli widgets geomancy/ui interpretation/ui)
# Files that may reach one layer further than their folder: the CLI's main() alone gives the
# drawing to the commands, which stay engines.
set(extra_src/cli/main.cpp cli/render)
set(allowed_app ${engines} widgets almanac/ui reference/ui tools/ui geomancy/ui interpretation/ui person/ui)

file(GLOB_RECURSE files LIST_DIRECTORIES false
  "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/bench/*.cpp")
set(violations "")
foreach(file ${files})
  file(RELATIVE_PATH rel "${SOURCE_DIR}" "${file}")
  string(REGEX REPLACE "^(src|bench)/" "" inner "${rel}")
  get_filename_component(folder "${inner}" DIRECTORY)
  if(rel MATCHES "^bench/")
    set(folder bench)
  endif()
  string(REPLACE "/" "_" key "${folder}")
  if(NOT DEFINED allowed_${key})
    list(APPEND violations "${rel}: folder '${folder}' has no place in the layers")
    continue()
  endif()
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+/[^\"]+\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" target "${line}")
    get_filename_component(target_folder "${target}" DIRECTORY)
    if(target_folder STREQUAL folder)
      continue()
    endif()
    list(FIND allowed_${key} "${target_folder}" found)
    if(found EQUAL -1 AND DEFINED "extra_${rel}")
      list(FIND "extra_${rel}" "${target_folder}" found)
    endif()
    if(found EQUAL -1)
      list(APPEND violations "${rel}: includes \"${target}\" (${folder} may not use ${target_folder})")
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Includes against the order of the layers:\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "Includes of ${count} files run down the layers")
