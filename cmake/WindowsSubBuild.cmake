# Builds the Windows side with the MinGW-w64 toolchain as a sub-build of the
# host tree, after the host tools have drawn the pictures and resources, and
# registers the Wine test layers with this tree's CTest.
include(ExternalProject)

set(WINDOWS_BINARY_DIR ${CMAKE_BINARY_DIR}/windows)
# The disc's programs use the win32-thread compilers; the GoogleTest
# program needs the posix ones and is built apart, into the same folder the
# Wine tests look in.
ExternalProject_Add(windows
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${WINDOWS_BINARY_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DMINGW_THREADS=win32
    -DCMAKE_BUILD_TYPE=Release
    -DIRONMARCH_ASSETS=${IRONMARCH_ASSETS}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS assets)

ExternalProject_Add(windows_gtest
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/windows-gtest
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-i686.cmake
    -DMINGW_THREADS=posix
    -DCMAKE_BUILD_TYPE=Release
    -DIRONMARCH_ASSETS=${IRONMARCH_ASSETS}
    -DIRONMARCH_GTEST_ONLY=ON
    -DIRONMARCH_GTEST_OUTPUT=${WINDOWS_BINARY_DIR}/tests/windows
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS windows)

# The demo disc as its image: ISO 9660 with Joliet names, labelled as the
# launcher looks for it. Test runs may leave a Wine drive label in the folder.
set(DEMO_ISO ${CMAKE_BINARY_DIR}/IronmarchDemo.iso)
add_custom_target(demo_iso ALL
  COMMAND xorriso -as mkisofs -quiet -J -r -V IRM_1 -m .windows-label -o ${DEMO_ISO} ${WINDOWS_BINARY_DIR}/disc
  DEPENDS windows
  COMMENT "Writing the demo disc's image ${DEMO_ISO}")

add_subdirectory(tests/wine)
