function(tw_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# The portable code as one library (an empty interface while no module has portable sources).
function(tw_core_library)
    if(TW_CORE_SOURCES)
        add_library(twcore STATIC ${TW_CORE_SOURCES})
        target_include_directories(twcore PUBLIC ${CMAKE_SOURCE_DIR})
        tw_warnings(twcore)
    else()
        add_library(twcore INTERFACE)
    endif()
endfunction()

# Test code and GoogleTest itself: -O1 builds them in about half the time of -O3, and they spend
# their time in the code under test or waiting on the program.
function(tw_light_test_builds)
    foreach(t gtest gmock gtest_main gmock_main ${ARGN})
        if(TARGET ${t})
            target_compile_options(${t} PRIVATE -O1)
        endif()
    endforeach()
endfunction()
