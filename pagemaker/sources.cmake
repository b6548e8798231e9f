# Sources of the page maker's front end (its core lists its own, in core/sources.cmake): the
# command line's words are window-free, its picture and page files are the Win32 layer.
list(APPEND TW_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp)
set(TW_PAGEMAKER_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/decode_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_write_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pagemaker_main_win.cpp
    ${TW_MY_PAGES_WIN_SOURCES})
