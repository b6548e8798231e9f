# The page maker's window-free core: a picture's pixels in, a colouring page out.
list(APPEND TW_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/fit_picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/threshold.cpp
    ${CMAKE_CURRENT_LIST_DIR}/components.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dust.cpp
    ${CMAKE_CURRENT_LIST_DIR}/line_weight.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skeleton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/line_ends.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gaps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/areas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/make_page.cpp)
