# Sources of ui/: see the top-level CMakeLists.txt for the three groups.
list(APPEND TW_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/controlbar.cpp)
# Skinned dialogs, their font sets, the print options and printing.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_template.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/font_heights.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printopt_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_layout.cpp)
list(APPEND TW_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fontset_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_info_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printopt_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_methods_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/print_seams_win.cpp)
