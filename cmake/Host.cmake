# Native Linux build: the decision code under AddressSanitizer and
# UndefinedBehaviorSanitizer with its tests, the art tools, the fuzz target,
# and the Windows build as a sub-build with the MinGW-w64 toolchain.
include(CTest)

set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_library(launcher_core STATIC ${LAUNCHER_CORE_SOURCES})
target_include_directories(launcher_core PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(launcher_core PRIVATE -Wall -Wextra -Werror ${SANITIZE_FLAGS})
target_link_options(launcher_core PUBLIC ${SANITIZE_FLAGS})

add_subdirectory(tools)
add_subdirectory(tests/host)

option(IRONMARCH_WINDOWS "Cross-build the Windows exe and run the Wine tests" ON)
if(IRONMARCH_WINDOWS)
  include(cmake/WindowsSubBuild.cmake)
endif()
