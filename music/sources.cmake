# Sources of music/: see the top-level CMakeLists.txt for the three groups.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/midi_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sequencer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/song_entry.cpp)
list(APPEND TW_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/midi_file_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/midi_player_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/music_control_win.cpp)
