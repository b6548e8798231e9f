# The page maker: a console program (it answers on standard output and opens no window) in the
# ready-to-run folder beside the book, and its test under Wine.
add_executable(pagemaker ${TW_PAGEMAKER_WIN_SOURCES} ${CMAKE_SOURCE_DIR}/resources/pagemaker.rc)
set_source_files_properties(${CMAKE_SOURCE_DIR}/resources/pagemaker.rc PROPERTIES OBJECT_DEPENDS
    "${TW_ASSETS_DIR}/TitleLetters.bmp;${TW_ASSETS_DIR}/TitleLetters.txt")
target_link_libraries(pagemaker PRIVATE twcore windowscodecs ole32 shell32 uuid ${TW_STATIC_LINK})
target_link_options(pagemaker PRIVATE ${TW_STATIC_LINK})
tw_warnings(pagemaker)
add_custom_target(pagemaker_dist ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TW_DIST_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:pagemaker> ${TW_DIST_DIR}/pagemaker.exe
    DEPENDS pagemaker VERBATIM)
add_dependencies(dist pagemaker_dist)

# The real program on pictures the test writes, in both images.
add_executable(pagemaker_tests ${CMAKE_SOURCE_DIR}/tests/pagemaker/pagemaker_test.cpp
    ${CMAKE_SOURCE_DIR}/tests/support/temp_dir_win.cpp)
target_compile_definitions(pagemaker_tests PRIVATE TW_PAGEMAKER_WORK_UNIX="${CMAKE_BINARY_DIR}/pagemaker-work")
target_link_libraries(pagemaker_tests PRIVATE twdriver gtest_main windowscodecs ole32 uuid
    ${TW_STATIC_LINK})
target_link_options(pagemaker_tests PRIVATE ${TW_STATIC_LINK})
add_dependencies(pagemaker_tests pagemaker_dist)
tw_warnings(pagemaker_tests)
add_test(NAME ${TW_TEST_PREFIX}Pagemaker COMMAND pagemaker_tests --gtest_brief=1)
set_tests_properties(${TW_TEST_PREFIX}Pagemaker PROPERTIES TIMEOUT 300 LABELS pagemaker)
target_compile_options(pagemaker_tests PRIVATE -O1)
# A console program that cannot show a window or a message box: it does not even import user32.
add_test(NAME ${TW_TEST_PREFIX}Image.PagemakerIsAConsoleProgramWithoutWindows
    COMMAND sh -c "${TW_OBJDUMP} -p '${TW_DIST_DIR}/pagemaker.exe' > pm.imports && grep -q '(Windows CUI)' pm.imports && ! grep -qi 'DLL Name: user32' pm.imports")
