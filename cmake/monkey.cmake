# The monkey: a long random session against the real program, played like a child plays.
# A short session is a test; a long one is run by hand (see the README).
add_executable(twmonkey ${CMAKE_SOURCE_DIR}/tests/monkey/monkey_win.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/gdi_count_win.cpp)
target_link_libraries(twmonkey PRIVATE twdriver psapi ntdll ${TW_STATIC_LINK})
target_link_options(twmonkey PRIVATE ${TW_STATIC_LINK})
add_dependencies(twmonkey dist)
tw_warnings(twmonkey)
add_test(NAME ${TW_TEST_PREFIX}Monkey.ShortSession COMMAND twmonkey --seed 14 --inputs 100)
set_tests_properties(${TW_TEST_PREFIX}Monkey.ShortSession PROPERTIES TIMEOUT 600 LABELS e2e RUN_SERIAL TRUE)
