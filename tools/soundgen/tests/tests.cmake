# Host tests of the sound generator: sound shapes, the song file's structure, determinism,
# and (when fluidsynth is installed) a rendering of the song.
if(NOT TARGET gtest)
    set(GOOGLETEST_SRC /usr/src/googletest CACHE PATH "GoogleTest source tree")
    if(EXISTS ${GOOGLETEST_SRC}/CMakeLists.txt)
        add_subdirectory(${GOOGLETEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    else()
        find_package(GTest REQUIRED)
    endif()
endif()
include(GoogleTest)

# The song is read back with the program's own MIDI loader and sequencer (twcore).
add_executable(soundgen_tests
    ${CMAKE_CURRENT_LIST_DIR}/sound_tests.cpp
    ${CMAKE_CURRENT_LIST_DIR}/song_tests.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/song_walk.cpp)
target_include_directories(soundgen_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
if(TARGET gtest_main)
    target_link_libraries(soundgen_tests PRIVATE soundgen_lib twcore gtest_main)
else()
    target_link_libraries(soundgen_tests PRIVATE soundgen_lib twcore GTest::gtest_main)
endif()
target_compile_options(soundgen_tests PRIVATE -Wall -Wextra)
gtest_discover_tests(soundgen_tests PROPERTIES LABELS soundgen)

add_test(NAME soundgen_same_bytes_every_run
         COMMAND ${CMAKE_COMMAND} -DSOUNDGEN=$<TARGET_FILE:soundgen>
                 -DWORK=${CMAKE_CURRENT_BINARY_DIR}/soundgen_determinism
                 -P ${CMAKE_CURRENT_LIST_DIR}/determinism.cmake)
set_tests_properties(soundgen_same_bytes_every_run PROPERTIES LABELS soundgen)

# The song rendered through a General MIDI soundfont must be heard throughout and never clip.
find_program(TW_FLUIDSYNTH fluidsynth)
find_program(TW_SOX sox)
if(TW_FLUIDSYNTH AND TW_SOX AND EXISTS /usr/share/sounds/sf2/FluidR3_GM.sf2)
    add_test(NAME soundgen_song_renders_audibly
             COMMAND sh -c "$<TARGET_FILE:soundgen> \"$1\" && \
                 sh ${CMAKE_CURRENT_LIST_DIR}/../render-song.sh \"$1/twell3.mid\" \"$1/song.wav\" && \
                 sh ${CMAKE_CURRENT_LIST_DIR}/../check-render.sh \"$1/song.wav\"" sh
                 ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(soundgen_song_renders_audibly PROPERTIES LABELS soundgen TIMEOUT 300)
else()
    message(STATUS "soundgen: fluidsynth, sox or fluid-soundfont-gm missing; song render test not added")
endif()
