# Sources of shell/: see the top-level CMakeLists.txt for the three groups.
list(APPEND TW_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/startup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/oneinstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fullscreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mainwnd.cpp
    ${CMAKE_CURRENT_LIST_DIR}/paint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/offscreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawbrdr.cpp
    ${CMAKE_CURRENT_LIST_DIR}/diag.cpp
    ${CMAKE_CURRENT_LIST_DIR}/seams.cpp)
list(APPEND TW_LOG_SOURCES ${CMAKE_CURRENT_LIST_DIR}/debuglog.cpp)
