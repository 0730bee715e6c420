# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every transliterated (Russian written in Latin letters) identifier in src/, tests/
# and bench/ is one of the legacy names listed in the glossary of ARCHITECTURE.md. Engine code
# uses descriptive English names; the legacy names stay only where the program's windows, files
# and settings need them, and the glossary says what each is.
# Run by CTest (test "Names.LegacyNamesAreInTheGlossary"):
#   cmake -DSOURCE_DIR=<root> -P CheckLegacyNames.cmake
#
# An identifier is split into its words (camelCase, PascalCase, ACRONYMWords, snake_case,
# digits), and counts as transliterated when a word is one of the stems below, or has a spelling
# English words do not have (the endings -ija, -nie, -yj, -stvo; shch, "zh" or "kh" before a
# consonant), or when the whole identifier is one of the mixed names listed.
# Comments and string literals are not identifiers: settings and file keys live there, and the
# glossary lists them for the reader, not for this check.

# Words seen in the program's legacy names, and common ones a new name might borrow. Lower case.
set(stems
  raschet rasschet rasch raschjot schitat poschitat vychislit chzang letnee letnie vremja vremya
  dolgota shirota stvol svtol vetv zapolnenie zapoln obshee obshchee chas yahr gora goro lico
  litso naj raszvet rascvet upadok sinxron sinhron smol voda legenda seasone shema juang jung czi
  cz zvezda zvezdy mesjac mesyac nedelja otchet otchjot okno knopka spisok imja familija
  rozhdenie vozrast sdvig pojas gorod strana cvet tsvet vostok zapad znak dvorec tablica risovat
  nachalo konec)
# Spellings of Russian words that English words do not have (a word is matched whole).
set(heuristic "(shch|tsch|schit|ija$|iya$|nie$|yj$|ij$|stvo$|aja$|oje$|ja$|ju$|vremj|vremy|khod|zh[^aeiou]|kh[^aeiou]|chz|oj$|ej$)")
# Whole identifiers whose words are ambiguous alone ("In"/"Jan" for yin/yang).
set(mixed InJan SetInJan TMyInJan cz_In cz_Jan)

# The glossary: every `Name` in backticks in the section "Glossary of legacy names".
file(READ "${SOURCE_DIR}/ARCHITECTURE.md" architecture)
string(FIND "${architecture}" "## Glossary of legacy names" start)
if(start EQUAL -1)
  message(FATAL_ERROR "ARCHITECTURE.md has no section \"Glossary of legacy names\"")
endif()
string(SUBSTRING "${architecture}" ${start} -1 glossary)
string(SUBSTRING "${glossary}" 3 -1 rest)
string(FIND "${rest}" "\n## " end)
if(NOT end EQUAL -1)
  math(EXPR end "${end} + 3")
  string(SUBSTRING "${glossary}" 0 ${end} glossary)
endif()
string(REGEX MATCHALL "`[A-Za-z_][A-Za-z0-9_]*`" listed "${glossary}")
string(REPLACE "`" "" listed "${listed}")

file(GLOB_RECURSE files LIST_DIRECTORIES false
  "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.in"
  "${SOURCE_DIR}/tests/*.h" "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/bench/*.cpp")
set(all "")
foreach(file ${files})
  file(READ "${file}" text)
  # Strings first (they may hold "//"), then comments.
  string(REGEX REPLACE "\"([^\"\\\\\n]|\\\\.)*\"" "\"\"" text "${text}")
  string(REGEX REPLACE "'([^'\\\\\n]|\\\\.)'" "''" text "${text}")
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" " " text "${text}")
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*" names "${text}")
  list(REMOVE_DUPLICATES names)
  file(RELATIVE_PATH rel "${SOURCE_DIR}" "${file}")
  foreach(name ${names})
    if(NOT DEFINED where_${name})
      set(where_${name} "${rel}")
      list(APPEND all ${name})
    endif()
  endforeach()
endforeach()

set(violations "")
foreach(name ${all})
  set(transliterated FALSE)
  list(FIND mixed "${name}" found)
  if(NOT found EQUAL -1)
    set(transliterated TRUE)
  else()
    string(REGEX REPLACE "([a-z0-9])([A-Z])" "\\1_\\2" words "${name}")
    string(REGEX REPLACE "([A-Z]+)([A-Z][a-z])" "\\1_\\2" words "${words}")
    string(REGEX REPLACE "[0-9]+" "_" words "${words}")
    string(TOLOWER "${words}" words)
    string(REPLACE "_" ";" words "${words}")
    foreach(word ${words})
      list(FIND stems "${word}" found)
      if(NOT found EQUAL -1 OR word MATCHES "${heuristic}")
        set(transliterated TRUE)
        break()
      endif()
    endforeach()
  endif()
  if(transliterated)
    list(FIND listed "${name}" found)
    if(found EQUAL -1)
      list(APPEND violations "${name} (${where_${name}})")
    endif()
  endif()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Transliterated names that the glossary of ARCHITECTURE.md lacks (give them "
    "a descriptive English name, or list a name the windows, files or settings need):\n  ${text}")
endif()
list(LENGTH all count)
message(STATUS "All transliterated names among ${count} identifiers are in the glossary")
