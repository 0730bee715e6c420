# The command line's own modules (argument parsing, JSON) are tested directly as well as through
# the built tool.
if(TARGET test_cli)
  target_sources(test_cli PRIVATE
    ${CMAKE_SOURCE_DIR}/src/cli/cli_args.cpp ${CMAKE_SOURCE_DIR}/src/cli/json_writer.cpp)
  target_include_directories(test_cli PRIVATE ${CMAKE_SOURCE_DIR}/src)
endif()
