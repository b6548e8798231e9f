# Hearing the program: a test-only Wine audio driver whose MIDI output writes a log, the
# end-to-end tests of the music and the sound effects, and the playback timing benchmark.
# Included by windows.cmake after the other tests, for both images; the benchmark is 64-bit only.

# The driver: mmdevapi loads "wine<name>.drv" for the name in HKCU\Software\Wine\Drivers\Audio,
# so the file is winetwmidi.drv for the name "twmidi".
add_library(winetwmidi SHARED ${CMAKE_SOURCE_DIR}/tests/audio/midi_log_drv.cpp
    ${CMAKE_SOURCE_DIR}/tests/audio/midi_log_drv.def)
set_target_properties(winetwmidi PROPERTIES PREFIX "" SUFFIX ".drv" OUTPUT_NAME winetwmidi)
target_link_libraries(winetwmidi PRIVATE winmm)
target_link_options(winetwmidi PRIVATE ${TW_STATIC_LINK})
if(TW_DIST_NAME STREQUAL "win32")
    # The 32-bit exports keep their plain names (DriverProc, not _DriverProc@20), as the loader
    # asks for them.
    target_link_options(winetwmidi PRIVATE -Wl,--enable-stdcall-fixup)
endif()
tw_warnings(winetwmidi)

# Recordings and the MIDI logs go to a folder that both Wine and the Unix recorder can name.
set(TW_AUDIO_TMP ${CMAKE_BINARY_DIR}/audio-tmp)
file(MAKE_DIRECTORY ${TW_AUDIO_TMP})
tw_wine_path(TW_AUDIO_TMP_WIN ${TW_AUDIO_TMP})
tw_wine_path(TW_DRIVER_WIN $<TARGET_FILE:winetwmidi>)

add_library(twaudiosupport STATIC ${CMAKE_SOURCE_DIR}/tests/audio/midi_log_win.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/song_walk.cpp)
target_compile_definitions(twaudiosupport PUBLIC TW_AUDIO_TMP_WIN="${TW_AUDIO_TMP_WIN}"
    TW_AUDIO_TMP_UNIX="${TW_AUDIO_TMP}" TW_DRIVER_WIN="${TW_DRIVER_WIN}")
target_link_libraries(twaudiosupport PUBLIC twdriver winmm advapi32)
tw_warnings(twaudiosupport)

file(GLOB TW_AUDIO_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/audio/*_test.cpp)
add_executable(audio_tests ${TW_AUDIO_TESTS})
target_link_libraries(audio_tests PRIVATE twaudiosupport gmock gtest_main ${TW_STATIC_LINK})
target_link_options(audio_tests PRIVATE ${TW_STATIC_LINK})
add_dependencies(audio_tests winetwmidi dist tintwell3_trace)
tw_warnings(audio_tests)
gtest_discover_tests(audio_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_PREFIX ${TW_TEST_PREFIX} PROPERTIES TIMEOUT 180 LABELS e2e RUN_SERIAL TRUE)

if(NOT TW_DIST_NAME STREQUAL "win64")
    return()
endif()

# Run by hand (tests/bench/midi_timing.sh): event times against the file, and the CPU cost.
add_executable(midi_timing EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/bench/midi_timing_win.cpp)
target_link_libraries(midi_timing PRIVATE twaudiosupport ${TW_STATIC_LINK})
target_link_options(midi_timing PRIVATE ${TW_STATIC_LINK})
add_dependencies(midi_timing winetwmidi dist)
tw_warnings(midi_timing)

# Its companion: a bare 1 ms periodic timer, the floor under the music's CPU cost.
add_executable(bare_timer EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tests/bench/bare_timer_win.cpp)
target_link_libraries(bare_timer PRIVATE winmm ${TW_STATIC_LINK})
target_link_options(bare_timer PRIVATE ${TW_STATIC_LINK})
tw_warnings(bare_timer)
