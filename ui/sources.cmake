# Sources of ui/: see the top-level CMakeLists.txt for the three groups.
list(APPEND TW_WIN_SOURCES ${CMAKE_CURRENT_LIST_DIR}/controlbar.cpp)
