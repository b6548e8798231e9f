# Sources of music/: see the top-level CMakeLists.txt for the three groups.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/midi_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sequencer.cpp)
