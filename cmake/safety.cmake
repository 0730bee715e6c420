# Build logic for the fault-hunting side of the project: direct tests of the command line's
# modules and the fuzz targets.
include(${CMAKE_CURRENT_LIST_DIR}/cli_modules.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/fuzz.cmake)
