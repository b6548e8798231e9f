# The parent's pages and the title letters: the index and the strips window-free, the files and
# resources in a Win32 layer that the book and the page maker both take.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/my_pages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/title_letters.cpp)
set(TW_MY_PAGES_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/my_pages_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/title_letters_win.cpp)
list(APPEND TW_WIN_SOURCES ${TW_MY_PAGES_WIN_SOURCES})
# The book's page order, the five and then the parent's pages.
list(APPEND TW_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/page_table_win.cpp)
