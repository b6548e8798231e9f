# The fill engine, its queue, the sound choice and the random generator; the Win32 layer
# for sounds and for the fills' clock, drawing and message pump.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/pointqueue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fill_engine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rng.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sound_pick.cpp)
list(APPEND TW_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fill_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sound_win.cpp)
