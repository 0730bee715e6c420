# SPDX-License-Identifier: GPL-3.0-or-later
# The help: pages of help/pages/ listed in the Qt Help project help/gavrosin.qhp (contents, index
# keywords, files), compiled at build time by qhelpgenerator into help/gavrosin.qch beside the
# executable, and registered in the collection help/gavrosin.qhc that the help window opens.
# qhelpgenerator comes with Debian's qt6-documentation-tools, the help engine with qt6-tools-dev.

find_package(Qt6 REQUIRED COMPONENTS Help ToolsTools)

set(GAVROSIN_HELP_SOURCE ${CMAKE_CURRENT_LIST_DIR})
set(GAVROSIN_HELP_DIR ${CMAKE_BINARY_DIR}/help)
set(GAVROSIN_HELP_FILES ${GAVROSIN_HELP_DIR}/gavrosin.qch ${GAVROSIN_HELP_DIR}/gavrosin.qhc)
file(GLOB GAVROSIN_HELP_PAGES CONFIGURE_DEPENDS ${GAVROSIN_HELP_SOURCE}/pages/*)

add_custom_command(
  OUTPUT ${GAVROSIN_HELP_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${GAVROSIN_HELP_DIR}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${GAVROSIN_HELP_FILES}
  COMMAND Qt6::qhelpgenerator -s ${GAVROSIN_HELP_SOURCE}/gavrosin.qhp
          -o ${GAVROSIN_HELP_DIR}/gavrosin.qch
  COMMAND ${CMAKE_COMMAND} -E copy ${GAVROSIN_HELP_SOURCE}/gavrosin.qhcp ${GAVROSIN_HELP_DIR}/
  COMMAND Qt6::qhelpgenerator -s ${GAVROSIN_HELP_DIR}/gavrosin.qhcp
          -o ${GAVROSIN_HELP_DIR}/gavrosin.qhc
  COMMAND ${CMAKE_COMMAND} -E rm -f ${GAVROSIN_HELP_DIR}/gavrosin.qhcp
  DEPENDS ${GAVROSIN_HELP_SOURCE}/gavrosin.qhp ${GAVROSIN_HELP_SOURCE}/gavrosin.qhcp
          ${GAVROSIN_HELP_PAGES}
  COMMENT "Compiling the help (qhelpgenerator)"
  VERBATIM)
add_custom_target(gavrosin_help ALL DEPENDS ${GAVROSIN_HELP_FILES})

if(TARGET gavrosin)
  add_dependencies(gavrosin gavrosin_help)
endif()
