# Sources of pages/: see the top-level CMakeLists.txt for the three groups.
# Each area of the folder lists its own files.
include(${CMAKE_CURRENT_LIST_DIR}/page_sources.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/fill_sources.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/interaction_sources.cmake OPTIONAL)
include(${CMAKE_CURRENT_LIST_DIR}/my_pages_sources.cmake OPTIONAL)
