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

# The readers of untrusted bytes under libFuzzer (clang's): the bitmap
# reader and the kit's disc reader. Built when clang++ is there, and run
# for a bounded number of inputs as tests.
find_program(CLANGXX clang++)
function(add_fuzzer name runs max_len seeds)
  set(output ${CMAKE_BINARY_DIR}/fuzz/${name})
  list(TRANSFORM ARGN PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/fuzz
    COMMAND ${CLANGXX} -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
            -I${PROJECT_SOURCE_DIR} -I${PROJECT_SOURCE_DIR}/tests/host -I${PROJECT_SOURCE_DIR}/kit
            "-DIRONMARCH_SOURCE_DIR=\"${PROJECT_SOURCE_DIR}\"" ${sources} -o ${output}
    DEPENDS ${sources}
    COMMENT "Building the fuzzer ${name}" VERBATIM)
  # The target is not named after its output file: Ninja would see two rules for one file.
  add_custom_target(${name}_build ALL DEPENDS ${output})
  add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/fuzz/run-fuzz.sh ${output} ${runs} ${max_len} ${seeds})
  set_tests_properties(${name} PROPERTIES LABELS host TIMEOUT 300)
endfunction()
if(CLANGXX)
  add_fuzzer(dib_fuzz 100000 4096 ""
    tests/fuzz/DibReaderFuzz.cpp tests/host/FakeSystem.cpp tests/host/ResourceTexts.cpp tests/host/GdiReader.cpp
    image/DibImage.cpp image/DibHeader.cpp core/LocalTexts.cpp)
  add_fuzzer(disc_fuzz 100000 65536 ${PROJECT_SOURCE_DIR}/tests/fuzz/disc-seeds.sh
    tests/fuzz/DiscReaderFuzz.cpp kit/DiscImage.cpp kit/DirectoryRecords.cpp kit/DiscTree.cpp)
endif()

# The model of a CD-ROM drive reading the launcher's files (bench/).
add_executable(disc_read_time bench/DiscReadTime.cpp)
target_link_libraries(disc_read_time PRIVATE kit_discs)
