# The Windows build: the launcher exe, the stand-in programs of the demo
# disc and the Windows-side tests. Runtimes are linked statically so that
# the programs need nothing but Windows' own libraries.
enable_language(RC)
if(NOT IRONMARCH_ASSETS)
  message(FATAL_ERROR "IRONMARCH_ASSETS must name the folder the demo's art makers wrote")
endif()

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
set(STATIC_RUNTIME -static -static-libgcc -static-libstdc++)

add_library(decisions STATIC ${DECISION_SOURCES})
target_include_directories(decisions PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(decisions PRIVATE -Wall -Wextra -Werror)

# The Win32 side: the framework and the adapters the decisions reach the
# system through.
add_library(win32_adapters STATIC
  framework/CDialog.cpp
  framework/CFile.cpp
  framework/CFrameWnd.cpp
  framework/CWinApp.cpp
  platform/win32/Win32WholeFile.cpp
  platform/win32/Win32Instances.cpp
  platform/win32/Win32Libraries.cpp
  platform/win32/Win32SystemFacts.cpp
  platform/win32/Win32Texts.cpp
  platform/win32/Win32Dialogs.cpp
  platform/win32/AccessibleClient.cpp
  platform/win32/Win32DirectX.cpp
  platform/win32/Win32Drives.cpp
  platform/win32/Win32Files.cpp
  platform/win32/Win32Graphics.cpp
  platform/win32/Win32Processes.cpp
  platform/win32/Win32Registry.cpp
  platform/win32/Win32Values.cpp
  disc/win32/InsertDiscDialog.cpp
)
target_compile_options(win32_adapters PRIVATE -Wall -Wextra -Werror)
# WINMM, SHELL32, OLE32 and DirectX are loaded from the system directory
# when first needed (platform/SystemLibraries.h); nothing else is imported.
target_link_libraries(win32_adapters PUBLIC decisions gdi32 user32 advapi32)

# Linked into every program of the disc, so that the runtime's mutexes work
# on Windows 95, 98 and ME too.
add_library(win9x_runtime OBJECT framework/Win9xRuntime.cpp)

if(IRONMARCH_GTEST_ONLY)
  add_subdirectory(tests/windows)
  return()
endif()

configure_file(resources/launcher.rc.in ${CMAKE_BINARY_DIR}/launcher.rc @ONLY)
add_executable(IronmarchLauncher WIN32
  app/LauncherApp.cpp
  app/MainFrame.cpp
  app/LauncherPlatform.cpp
  $<TARGET_OBJECTS:win9x_runtime>
  ${CMAKE_BINARY_DIR}/launcher.rc
)
target_include_directories(IronmarchLauncher PRIVATE ${PROJECT_SOURCE_DIR}/resources)
file(GLOB LAUNCHER_TEXTS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/texts-*.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/launcher.rc PROPERTIES OBJECT_DEPENDS "${LAUNCHER_TEXTS}")
target_compile_options(IronmarchLauncher PRIVATE -Wall -Wextra -Werror)
target_link_libraries(IronmarchLauncher PRIVATE win32_adapters)
target_link_options(IronmarchLauncher PRIVATE ${STATIC_RUNTIME} -s)

add_subdirectory(demo)
add_subdirectory(tests/windows)
add_subdirectory(bench)
