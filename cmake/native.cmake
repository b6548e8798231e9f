# Host build of the window-free code: unit tests, sanitizers, fuzzers, benchmarks and the asset generator.
include(cmake/warnings.cmake)
include(GoogleTest)

option(TW_SANITIZE "Build the window-free code with AddressSanitizer and UBSan" OFF)
option(TW_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(TW_SANITIZE OR TW_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

add_library(twcore STATIC ${TW_CORE_SOURCES})
target_include_directories(twcore PUBLIC ${CMAKE_SOURCE_DIR})
tw_warnings(twcore)

if(NOT TW_FUZZ)
    add_subdirectory(${GOOGLETEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    file(GLOB TW_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
    add_executable(core_tests ${TW_CORE_TESTS})
    target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(core_tests PRIVATE twcore gmock gtest_main)
    tw_warnings(core_tests)
    gtest_discover_tests(core_tests PROPERTIES LABELS native)
endif()

# One libFuzzer binary per tests/fuzz/*_fuzz.cpp, each calling the program's own entry point.
if(TW_FUZZ)
    file(GLOB TW_FUZZERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
    foreach(src ${TW_FUZZERS})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE twcore)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    endforeach()
    target_compile_options(twcore PRIVATE -fsanitize=fuzzer-no-link)
endif()

# Benchmarks: tests/bench/*_bench.cpp, built when Google Benchmark is there.
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT TW_FUZZ)
    file(GLOB TW_BENCHES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/*_bench.cpp)
    foreach(src ${TW_BENCHES})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE twcore benchmark::benchmark)
    endforeach()
endif()

# The asset generator writes every bitmap, sound, page file and the song from source.
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/artgen/CMakeLists.txt AND NOT TW_FUZZ AND NOT TW_SANITIZE)
    add_subdirectory(tools/artgen)
endif()
