# Host build of the window-free code: unit tests, sanitizers, fuzzers, benchmarks and the asset generator.
include(cmake/common.cmake)
include(GoogleTest)

option(TW_SANITIZE "Build the window-free code with AddressSanitizer and UBSan" OFF)
option(TW_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(TW_SANITIZE OR TW_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

tw_core_library()

if(NOT TW_FUZZ)
    add_subdirectory(${GOOGLETEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    file(GLOB TW_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
    # Shared test helpers, except the Windows-only ones (*_win.cpp).
    file(GLOB TW_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
    list(FILTER TW_TEST_SUPPORT EXCLUDE REGEX "_win\\.cpp$")
    if(TW_CORE_TESTS)
    add_executable(core_tests ${TW_CORE_TESTS} ${TW_TEST_SUPPORT})
    target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(core_tests PRIVATE twcore gmock gtest_main)
    tw_warnings(core_tests)
    gtest_discover_tests(core_tests PROPERTIES LABELS native)
    endif()
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
        add_executable(${name} EXCLUDE_FROM_ALL ${src})
        target_link_libraries(${name} PRIVATE twcore benchmark::benchmark)
    endforeach()
    # The page maker's benchmark draws its pictures with the tests' own drawing helpers.
    if(TARGET pagemaker_bench)
        target_sources(pagemaker_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/drawn_pictures.cpp)
        target_include_directories(pagemaker_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    endif()
    # The fill benchmark measures the engine against OpenCV's flood fill.
    find_package(OpenCV QUIET COMPONENTS core imgproc)
    if(TARGET fill_bench)
        # It times the tests' reference fill beside the engine.
        target_sources(fill_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/reference_fill.cpp)
        target_include_directories(fill_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests)
        if(OpenCV_FOUND)
            target_include_directories(fill_bench PRIVATE ${OpenCV_INCLUDE_DIRS})
            target_link_libraries(fill_bench PRIVATE ${OpenCV_LIBS})
        else()
            set_target_properties(fill_bench PROPERTIES EXCLUDE_FROM_ALL TRUE)
        endif()
    endif()
endif()

# The asset generator writes every bitmap, sound, page file and the song from source.
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/artgen/CMakeLists.txt AND NOT TW_FUZZ AND NOT TW_SANITIZE)
    add_subdirectory(tools/artgen)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/soundgen/CMakeLists.txt AND NOT TW_FUZZ AND NOT TW_SANITIZE)
    add_subdirectory(tools/soundgen)
endif()
if(NOT TW_FUZZ AND NOT TW_SANITIZE)
    add_subdirectory(tools/lang)
endif()
if(NOT TW_FUZZ)
    tw_light_test_builds(core_tests artgen_tests soundgen_tests words_tests)
endif()

# The page maker's test set: the book's pages as the asset generator draws them, and scenes
# drawn in code, made into pages closed, cut and photo-like.
if(TARGET artgen_lib AND TARGET gtest_main)
    add_executable(page_set_tests ${CMAKE_SOURCE_DIR}/tests/page_set/page_set_test.cpp
        ${CMAKE_SOURCE_DIR}/tests/page_set/book_pages.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/drawn_pictures.cpp)
    target_include_directories(page_set_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(page_set_tests PRIVATE artgen_lib gtest_main)
    tw_warnings(page_set_tests)
    gtest_discover_tests(page_set_tests PROPERTIES LABELS pagemaker_set DISCOVERY_TIMEOUT 60)
endif()
