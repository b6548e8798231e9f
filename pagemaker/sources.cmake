# Sources of the page maker's front ends (its core lists its own, in core/sources.cmake): the
# command line's words and the window's state and view are window-free; its picture and page
# files and its window are the Win32 layer.
list(APPEND TW_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maker_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maker_state.cpp)
set(TW_PAGEMAKER_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/decode_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_write_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maker_window_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maker_pages_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maker_title_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/maker_words_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagemaker_main_win.cpp
    ${CMAKE_SOURCE_DIR}/shell/base/app_state.cpp
    ${CMAKE_SOURCE_DIR}/shell/base/bitmaps_win.cpp
    ${CMAKE_SOURCE_DIR}/shell/base/language_win.cpp
    ${TW_MY_PAGES_WIN_SOURCES})
