# Page files, page buffers, the program palette and page drawing.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/page_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/palette.cpp)
list(APPEND TW_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/gmem_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draw_win.cpp)
