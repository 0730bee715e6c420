# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: `cmake --install build --prefix P` puts the programs in P/bin and everything they
# read (help, pages, pictures, the notes template) in P/share/gavrosin, where the program finds it
# from its own folder (ProgramFolder: "../share/gavrosin"); the desktop's menu entry, file types and
# icons go to the freedesktop.org places under P/share. A Windows installation keeps its data
# beside the executable instead, as the program has always read it there.

if(WIN32)
  set(GAVROSIN_INSTALL_BINDIR .)
  set(GAVROSIN_INSTALL_DATADIR .)
else()
  # Fixed names: the program looks for its data at ../share/gavrosin from its own folder.
  set(GAVROSIN_INSTALL_BINDIR bin)
  set(GAVROSIN_INSTALL_DATADIR share/gavrosin)
endif()

install(TARGETS gavrosin gavrosin-cli RUNTIME DESTINATION ${GAVROSIN_INSTALL_BINDIR})

# data/ as it is (help/, the notes template other/notes.txt), the pictures and the pages.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${GAVROSIN_INSTALL_DATADIR})
install(FILES ${GAVROSIN_ART_FILES} DESTINATION ${GAVROSIN_INSTALL_DATADIR}/bmp)
install(FILES ${GAVROSIN_HELP_FILES} DESTINATION ${GAVROSIN_INSTALL_DATADIR}/help)
install(FILES ${GAVROSIN_PICTOGRAM_FILES} DESTINATION ${GAVROSIN_INSTALL_DATADIR}/pictograms)
foreach(page ${GAVROSIN_PAGE_OUTPUTS})
  file(RELATIVE_PATH page_relative ${PROJECT_BINARY_DIR} ${page})
  get_filename_component(page_folder ${page_relative} DIRECTORY)
  install(FILES ${page} DESTINATION ${GAVROSIN_INSTALL_DATADIR}/${page_folder})
endforeach()

# ---------------------------------------------------------------- desktop integration
# Icons of the program and of its two file types, drawn by the picture generator in every size of
# the hicolor theme.
set(GAVROSIN_ICON_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
set(GAVROSIN_ICON_FILES)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND GAVROSIN_ICON_FILES
    ${GAVROSIN_ICON_DIR}/${size}x${size}/apps/gavrosin.png
    ${GAVROSIN_ICON_DIR}/${size}x${size}/mimetypes/application-x-gavrosin-person.png
    ${GAVROSIN_ICON_DIR}/${size}x${size}/mimetypes/application-x-gavrosin-table.png)
endforeach()
add_custom_command(
  OUTPUT ${GAVROSIN_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:gavrosin-artgen> --icons ${GAVROSIN_ICON_DIR}
  DEPENDS gavrosin-artgen
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(gavrosin_icons ALL DEPENDS ${GAVROSIN_ICON_FILES})

if(UNIX AND NOT APPLE)
  install(DIRECTORY ${GAVROSIN_ICON_DIR}/ DESTINATION share/icons/hicolor)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/gavrosin.desktop DESTINATION share/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/gavrosin-mime.xml
          DESTINATION share/mime/packages RENAME gavrosin.xml)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/gavrosin)
endif()

# The install tree is complete and the installed programs find their data.
if(BUILD_TESTING AND UNIX)
  add_test(NAME InstallTree
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/install_tree_test.sh
            ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(InstallTree PROPERTIES LABELS "install;slow")
endif()
