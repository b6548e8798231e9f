# Sources of shell/: see the top-level CMakeLists.txt for the three groups. The floor under
# every module lists its own.
include(${CMAKE_CURRENT_LIST_DIR}/base/sources.cmake)
list(APPEND TW_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/oneinstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fullscreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawbrdr.cpp)
