# Builds the Windows side with the MinGW-w64 toolchain as a sub-build of the
# host tree, after the host tools have drawn the pictures and resources, and
# registers the Wine test layers with this tree's CTest.
include(ExternalProject)

set(WINDOWS_BINARY_DIR ${CMAKE_BINARY_DIR}/windows)
ExternalProject_Add(windows
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${WINDOWS_BINARY_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DIRONMARCH_ASSETS=${IRONMARCH_ASSETS}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS assets)

add_subdirectory(tests/wine)
