# Page files, page buffers, the program palette and page drawing.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/page_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/palette.cpp)
