# Native Linux build: the decision code under AddressSanitizer and
# UndefinedBehaviorSanitizer with its tests, the publisher's kit, the demo's art makers, the fuzz target,
# and the Windows build as a sub-build with the MinGW-w64 toolchain.
include(CTest)

set(SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_library(decisions STATIC ${DECISION_SOURCES})
target_include_directories(decisions PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(decisions PRIVATE -Wall -Wextra -Werror ${SANITIZE_FLAGS})
target_link_options(decisions PUBLIC ${SANITIZE_FLAGS})

add_subdirectory(kit)
add_subdirectory(demo/art)
add_subdirectory(tests/host)

option(IRONMARCH_WINDOWS "Cross-build the Windows exe and run the Wine tests" ON)
if(IRONMARCH_WINDOWS)
  include(cmake/WindowsSubBuild.cmake)
endif()

# The bitmap reader's fuzzer needs clang's libFuzzer; it is built when
# clang++ is there, and run for a bounded number of inputs as a test.
find_program(CLANGXX clang++)
if(CLANGXX)
  set(FUZZ_SOURCES
    ${PROJECT_SOURCE_DIR}/tests/fuzz/DibReaderFuzz.cpp
    ${PROJECT_SOURCE_DIR}/tests/host/FakeSystem.cpp
    ${PROJECT_SOURCE_DIR}/tests/host/GdiReader.cpp
    ${PROJECT_SOURCE_DIR}/image/DibImage.cpp
    ${PROJECT_SOURCE_DIR}/image/DibHeader.cpp)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dib_fuzzer
    COMMAND ${CLANGXX} -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
            -I${PROJECT_SOURCE_DIR} -I${PROJECT_SOURCE_DIR}/tests/host ${FUZZ_SOURCES} -o ${CMAKE_BINARY_DIR}/dib_fuzzer
    DEPENDS ${FUZZ_SOURCES}
    COMMENT "Building the bitmap reader's fuzzer")
  add_custom_target(dib_fuzzer ALL DEPENDS ${CMAKE_BINARY_DIR}/dib_fuzzer)
  add_test(NAME dib_fuzz COMMAND ${PROJECT_SOURCE_DIR}/tests/fuzz/run-fuzz.sh ${CMAKE_BINARY_DIR}/dib_fuzzer 100000)
  set_tests_properties(dib_fuzz PROPERTIES LABELS host TIMEOUT 300)
endif()

# The model of a CD-ROM drive reading the launcher's files (bench/).
add_executable(disc_read_time bench/DiscReadTime.cpp)
target_link_libraries(disc_read_time PRIVATE kit_discs)
