# Builds the Windows side with the MinGW-w64 toolchain as sub-builds of the
# host tree, after the host tools have drawn the pictures and resources, and
# registers the Wine test layers with this tree's CTest.
include(ExternalProject)

# One Windows tree in DIR: the disc's programs with the win32-thread
# compilers, the GoogleTest program with the posix ones (built apart, into
# the folder the Wine tests look in), and the disc's image ISO: ISO 9660
# with Joliet names, labelled as the launcher looks for it, the pictures the
# launcher reads first one after the other in its order, then the launcher
# (disc_order). The registration folder is named EREG on the image: xorriso
# lays folders' records out in name order, where capitals come before small
# letters, so the launcher reads its records and then the bitmaps folder's
# going forward; Windows finds it as ereg all the same. Test runs may leave
# a Wine drive label in the disc folder.
function(add_windows_tree name arch dir iso)
  set(common_args
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw.cmake
    -DMINGW_ARCH=${arch}
    -DCMAKE_BUILD_TYPE=Release
    -DIRONMARCH_ASSETS=${IRONMARCH_ASSETS})
  ExternalProject_Add(${name}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${dir}
    CMAKE_ARGS ${common_args} -DMINGW_THREADS=win32
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    DEPENDS assets)
  ExternalProject_Add(${name}_gtest
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${dir}-gtest
    CMAKE_ARGS ${common_args} -DMINGW_THREADS=posix
      -DIRONMARCH_GTEST_ONLY=ON -DIRONMARCH_GTEST_OUTPUT=${dir}/tests/windows
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    DEPENDS ${name})
  add_custom_target(${name}_iso ALL
    COMMAND $<TARGET_FILE:disc_order> ${dir}/disc > ${dir}/read-order.txt
    COMMAND xorriso -as mkisofs -quiet -J -r -V IRM_1 -m .windows-label --sort-weight-list ${dir}/read-order.txt
            -o ${iso} ${dir}/disc -- -mv /ereg /EREG
    DEPENDS ${name} disc_order
    COMMENT "Writing the demo disc's image ${iso}")
endfunction()

# The disc players get: 32-bit programs for Windows 95 to 11.
set(WINDOWS_BINARY_DIR ${CMAKE_BINARY_DIR}/windows)
set(DEMO_ISO ${CMAKE_BINARY_DIR}/IronmarchDemo.iso)
add_windows_tree(windows i686 ${WINDOWS_BINARY_DIR} ${DEMO_ISO})

# What Wine runs here (scripts/wine-arch.sh): the disc itself, or, on a
# kernel without 32-bit user code, the same sources built for x86_64.
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-arch.sh
  OUTPUT_VARIABLE WINE_MACHINE OUTPUT_STRIP_TRAILING_WHITESPACE)
separate_arguments(WINE_MACHINE)
list(GET WINE_MACHINE 0 WINE_ARCH)  # i686 or x86_64
list(GET WINE_MACHINE 1 WINE32)     # native, emulated or none
if(WINE_ARCH STREQUAL "x86_64")
  message(STATUS "32-bit Wine is ${WINE32} here: the fast Wine tests use an x86_64 build")
  set(WINE_BINARY_DIR ${CMAKE_BINARY_DIR}/windows-x86_64)
  set(WINE_DEMO_ISO ${CMAKE_BINARY_DIR}/IronmarchDemo-x86_64.iso)
  add_windows_tree(windows_x86_64 x86_64 ${WINE_BINARY_DIR} ${WINE_DEMO_ISO})
else()
  set(WINE_BINARY_DIR ${WINDOWS_BINARY_DIR})
  set(WINE_DEMO_ISO ${DEMO_ISO})
endif()

add_subdirectory(tests/wine)
