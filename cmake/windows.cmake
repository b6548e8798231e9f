# The Windows program, its unit tests and its end-to-end tests (cross-compiled with MinGW-w64).
enable_language(RC)
include(cmake/common.cmake)
include(GoogleTest)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(TW_DIST_NAME win32)
else()
    set(TW_DIST_NAME win64)
endif()
set(TW_DIST_DIR ${CMAKE_SOURCE_DIR}/dist/${TW_DIST_NAME})

# Static runtime so that the .exe runs on a bare Windows.
set(TW_STATIC_LINK -static -static-libgcc -static-libstdc++)
set(TW_WIN_LIBS ddraw winmm comdlg32 gdi32 user32 kernel32 uuid)

tw_core_library()

# The program's Win32 layer, once as shipped and once with the test seams compiled in.
function(tw_app_library name)
    add_library(${name} STATIC ${TW_WIN_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC twcore ${TW_WIN_LIBS})
    tw_warnings(${name})
endfunction()
tw_app_library(twapp)
tw_app_library(twapp_seams)
target_compile_definitions(twapp_seams PUBLIC TW_SEAMS=1)

add_library(twlog STATIC ${TW_LOG_SOURCES})
target_include_directories(twlog PUBLIC ${CMAKE_SOURCE_DIR})
tw_warnings(twlog)
add_library(twlog_on STATIC ${TW_LOG_SOURCES})
target_include_directories(twlog_on PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(twlog_on PRIVATE TW_TRACE=1)
tw_warnings(twlog_on)

# Resources: the script in resources/, the generated files from the assets folder.
# A generated file that is not there is left out (and reported): the program then simply does not
# draw or play it.
set(TW_RC ${CMAKE_SOURCE_DIR}/resources/tintwell3.rc)
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/assets.rc TW_ASSET_LINES)
set(TW_ASSETS_PRESENT "")
set(TW_ASSETS_MISSING "")
set(TW_ASSET_FILES "")
foreach(line IN LISTS TW_ASSET_LINES)
    if(line MATCHES "\"([^\"]+)\"$")
        if(EXISTS ${TW_ASSETS_DIR}/${CMAKE_MATCH_1})
            string(APPEND TW_ASSETS_PRESENT "${line}\n")
            list(APPEND TW_ASSET_FILES ${TW_ASSETS_DIR}/${CMAKE_MATCH_1})
        else()
            list(APPEND TW_ASSETS_MISSING ${CMAKE_MATCH_1})
        endif()
    endif()
endforeach()
if(TW_ASSETS_MISSING)
    list(LENGTH TW_ASSETS_MISSING nMissing)
    message(WARNING "${nMissing} generated resource files missing from ${TW_ASSETS_DIR}")
endif()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/rc/assets_present.rc CONTENT "${TW_ASSETS_PRESENT}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/assets.rc)
# The string tables of every language, which langgen (the host build) writes and checks.
if(NOT EXISTS ${TW_ASSETS_DIR}/lang_strings.rc)
    message(FATAL_ERROR "${TW_ASSETS_DIR}/lang_strings.rc is missing: build the host tools first "
        "(tools/build.sh, or cmake --build build/host --target words)")
endif()
list(APPEND TW_ASSET_FILES ${TW_ASSETS_DIR}/lang_strings.rc)
# The worded pictures of the other languages, as artgen lists them under their languages.
set(TW_LANG_ART "")
if(EXISTS ${TW_ASSETS_DIR}/lang/lang_art.rc)
    file(STRINGS ${TW_ASSETS_DIR}/lang/lang_art.rc TW_LANG_ART_LINES)
    foreach(line IN LISTS TW_LANG_ART_LINES)
        string(APPEND TW_LANG_ART "${line}\n")
        if(line MATCHES "\"([^\"]+)\"$")
            list(APPEND TW_ASSET_FILES ${TW_ASSETS_DIR}/${CMAKE_MATCH_1})
        endif()
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TW_ASSETS_DIR}/lang/lang_art.rc)
endif()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/rc/lang_art_present.rc CONTENT "${TW_LANG_ART}")
set_source_files_properties(${TW_RC} PROPERTIES OBJECT_DEPENDS "${TW_ASSET_FILES}")
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${TW_ASSETS_DIR} -I${CMAKE_BINARY_DIR}/rc -I${CMAKE_SOURCE_DIR}")

function(tw_program name loglib)
    add_executable(${name} WIN32 ${TW_MAIN_SOURCE} ${TW_RC})
    target_link_libraries(${name} PRIVATE twapp ${loglib} ${TW_STATIC_LINK})
    target_link_options(${name} PRIVATE ${TW_STATIC_LINK})
    tw_warnings(${name})
endfunction()
tw_program(tintwell3 twlog)
tw_program(tintwell3_trace twlog_on)

# The ready-to-run folder: the program and the data files it reads from its working directory.
set(TW_DATA_FILES BAT.TW3 BUSHBABY.TW3 KIWI.TW3 SNAIL.TW3 WALRUS.TW3 twell3.mid)
set(TW_DIST_COMMANDS COMMAND ${CMAKE_COMMAND} -E make_directory ${TW_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tintwell3> ${TW_DIST_DIR}/tintwell3.exe)
foreach(f ${TW_DATA_FILES})
    if(EXISTS ${TW_ASSETS_DIR}/${f})
        list(APPEND TW_DIST_COMMANDS COMMAND ${CMAKE_COMMAND} -E copy ${TW_ASSETS_DIR}/${f} ${TW_DIST_DIR}/${f})
    endif()
endforeach()
add_custom_target(dist ALL ${TW_DIST_COMMANDS} DEPENDS tintwell3 VERBATIM)
include(cmake/package.cmake)

# ---- Tests (run under Wine through CMAKE_CROSSCOMPILING_EMULATOR) ----
# Both images run every test; each test's name starts with its image ("win32.", "win64.") and
# every test of the folder carries the image as a label, so that a failure says which program
# failed and ctest's label summary counts each image's tests.
set(TW_TEST_PREFIX ${TW_DIST_NAME}.)
set_property(DIRECTORY PROPERTY LABELS ${TW_DIST_NAME})
add_subdirectory(${GOOGLETEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Wine path of a Unix path: Wine maps / to drive Z:.
function(tw_wine_path out unixpath)
    string(REPLACE "/" "\\\\" p "${unixpath}")
    set(${out} "Z:${p}" PARENT_SCOPE)
endfunction()

file(GLOB TW_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
file(GLOB TW_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
file(GLOB TW_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_executable(unit_tests ${TW_UNIT_TESTS} ${TW_CORE_TESTS} ${TW_TEST_SUPPORT} ${TW_RC})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(unit_tests PRIVATE twapp_seams twlog gmock gtest ntdll ${TW_STATIC_LINK})
target_link_options(unit_tests PRIVATE ${TW_STATIC_LINK})
tw_wine_path(TW_ASSETS_WIN ${TW_ASSETS_DIR})
target_compile_definitions(unit_tests PRIVATE TW_ASSETS_DIR="${TW_ASSETS_WIN}"
    TW_SOURCE_DIR_UNIX="${CMAKE_SOURCE_DIR}")
tw_warnings(unit_tests)
# The tests that count GDI objects run on the 64-bit image only: Wine's 32-bit side neither
# keeps a count (GetGuiResources gives 0) nor shows its GDI handle table in the PEB.
set(TW_UNIT_FILTER "*")
if(TW_DIST_NAME STREQUAL "win32")
    set(TW_UNIT_FILTER "-LeaveNoGdiObjectsBehind/*")
endif()
# One process for all of them: under Wine a process start costs more than most unit tests.
add_test(NAME ${TW_TEST_PREFIX}UnitTests COMMAND unit_tests --gtest_filter=${TW_UNIT_FILTER}
    --gtest_brief=1)
set_tests_properties(${TW_TEST_PREFIX}UnitTests PROPERTIES TIMEOUT 300 LABELS unit)

# End-to-end: a driver that starts the real program and works it like a child does.
tw_wine_path(TW_EXE_WIN $<TARGET_FILE:tintwell3>)
tw_wine_path(TW_DIST_WIN ${TW_DIST_DIR})
tw_wine_path(TW_BUILD_WIN ${CMAKE_BINARY_DIR})
# The driver, built once for everything that works the program: these tests, the sound tests, the
# install tests, the monkey and the demo.
add_library(twdriver STATIC ${CMAKE_SOURCE_DIR}/tests/e2e/driver.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/file_bytes.cpp ${CMAKE_SOURCE_DIR}/tests/support/reference_fill.cpp)
target_include_directories(twdriver PUBLIC ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR})
target_compile_definitions(twdriver PUBLIC TW_DIST_DIR="${TW_DIST_WIN}"
    TW_BUILD_DIR="${TW_BUILD_WIN}" TW_ASSETS_DIR="${TW_ASSETS_WIN}")
target_link_libraries(twdriver PUBLIC twcore gdi32 user32 kernel32)
tw_warnings(twdriver)

file(GLOB TW_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp)
add_executable(e2e_tests ${TW_E2E_SOURCES} ${TW_MY_PAGES_WIN_SOURCES}
    ${CMAKE_SOURCE_DIR}/tests/support/drawn_pictures.cpp)
target_link_libraries(e2e_tests PRIVATE twdriver gmock gtest_main ${TW_STATIC_LINK})
target_link_options(e2e_tests PRIVATE ${TW_STATIC_LINK})
add_dependencies(e2e_tests dist tintwell3_trace)
tw_warnings(e2e_tests)
gtest_discover_tests(e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_PREFIX ${TW_TEST_PREFIX} PROPERTIES TIMEOUT 180 LABELS e2e RUN_SERIAL TRUE)

# The images themselves: a shared .shr section in both, and the shipped one a 32-bit PE.
set(TW_OBJDUMP ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-objdump)
add_test(NAME ${TW_TEST_PREFIX}Image.SharedSectionIsShared
    COMMAND sh -c "${TW_OBJDUMP} -h '${TW_DIST_DIR}/tintwell3.exe' | grep -A1 ' [.]shr ' | grep -q 'SHARED'")
if(TW_DIST_NAME STREQUAL "win32")
    add_test(NAME ${TW_TEST_PREFIX}Image.ShippedProgramIsA32BitPEImage
        COMMAND sh -c "${TW_OBJDUMP} -f '${TW_DIST_DIR}/tintwell3.exe' | grep -q 'file format pei-i386'")
endif()

include(cmake/pagemaker.cmake)
include(cmake/audio.cmake OPTIONAL)

# Timings under Wine, each image under its own Wine, run by hand with tools/bench-wine.sh.
add_executable(screen_bench EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/bench_win/screen_bench.cpp
    ${TW_RC})
target_link_libraries(screen_bench PRIVATE twapp twlog ${TW_STATIC_LINK})
target_link_options(screen_bench PRIVATE ${TW_STATIC_LINK})

# Only the 64-bit build has these: the test session's keeper and the demo that play.sh runs, run
# by the 64-bit Wine.
if(TW_DIST_NAME STREQUAL "win64")
    add_executable(twkeeper WIN32 ${CMAKE_SOURCE_DIR}/tests/keeper.cpp)
    target_link_libraries(twkeeper PRIVATE winmm)
    target_link_options(twkeeper PRIVATE ${TW_STATIC_LINK})

    add_executable(twdemo ${CMAKE_SOURCE_DIR}/tests/demo.cpp)
    target_link_libraries(twdemo PRIVATE twdriver ${TW_STATIC_LINK})
    target_link_options(twdemo PRIVATE ${TW_STATIC_LINK})

    # What a parent installs, end to end: once, not once per image.
    # In folders of their own, so that their tests can run in a session of their own.
    add_subdirectory(tests/install ${CMAKE_BINARY_DIR}/install)

    # The monkey counts the program's GDI objects, which Wine keeps from a 32-bit process.
    add_subdirectory(tests/monkey ${CMAKE_BINARY_DIR}/monkey)
endif()

# Build time. The Win32 headers are read once per target rather than once per file, and the test
# code (not what ships) is optimised lightly: it waits on the program far more than it computes.
foreach(t twapp twapp_seams unit_tests twdriver)
    if(TARGET ${t})
        target_precompile_headers(${t} PRIVATE <windows.h>)
    endif()
endforeach()
tw_light_test_builds(unit_tests twdriver e2e_tests twaudiosupport audio_tests install_tests install64_tests twcolour twdemo
    twmonkey)
