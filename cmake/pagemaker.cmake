# The page maker: a window for parents, and a command line for scripts that answers on standard
# output and opens no window, in the ready-to-run folder beside the book; and its tests under Wine.
set(TW_MAKER_RC ${CMAKE_SOURCE_DIR}/resources/pagemaker.rc)
set(TW_MAKER_ART MakerOpen MakerGapLess MakerGapMore MakerLighter
    MakerDarker MakerAdd MakerUp MakerDown MakerRemove MakerTitleOk MakerTitleCancel)
set(TW_MAKER_ART_FILES ${TW_ASSETS_DIR}/lang_strings.rc ${TW_ASSETS_DIR}/TWLIcon.ico
    ${TW_ASSETS_DIR}/TitleLetters.bmp ${TW_ASSETS_DIR}/TitleLetters.txt
    ${TW_ASSETS_DIR}/MakerBack.bmp
    ${TW_ASSETS_DIR}/MakerTitleBack.bmp)
foreach(name ${TW_MAKER_ART})
    list(APPEND TW_MAKER_ART_FILES ${TW_ASSETS_DIR}/${name}.bmp ${TW_ASSETS_DIR}/${name}Dn.bmp)
endforeach()
set_source_files_properties(${TW_MAKER_RC} PROPERTIES OBJECT_DEPENDS "${TW_MAKER_ART_FILES}")
add_executable(pagemaker WIN32 ${TW_PAGEMAKER_WIN_SOURCES} ${TW_MAKER_RC})
target_link_libraries(pagemaker PRIVATE twcore windowscodecs ole32 shell32 comdlg32 gdi32 user32
    uuid ${TW_STATIC_LINK})
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
