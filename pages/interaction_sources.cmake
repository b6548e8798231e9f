# What clicks and page commands do.
list(APPEND TW_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/interaction_win.cpp)
