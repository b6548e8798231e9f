# Sources of shell/base/, the floor under everything: diagnostics, test seams, the program-wide
# state, the busy bracket and the bitmap helpers.
list(APPEND TW_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/app_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/busy_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/bitmaps_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/offscreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diag.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/seams.cpp)
list(APPEND TW_LOG_SOURCES ${CMAKE_CURRENT_LIST_DIR}/debuglog.cpp)
list(APPEND TW_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/languages.cpp)
