# End to end, what a parent installs: the Windows installer under Wine, and the Debian package on
# this machine (as root, under a window manager in a display of its own).
add_executable(install_tests ${CMAKE_SOURCE_DIR}/tests/install/installer_test.cpp)
tw_wine_path(TW_SETUP_WIN ${CMAKE_SOURCE_DIR}/dist/tintwell3-setup.exe)
tw_wine_path(TW_DIST32_WIN ${CMAKE_SOURCE_DIR}/dist/win32)
target_compile_definitions(install_tests PRIVATE TW_SETUP_EXE="${TW_SETUP_WIN}"
    TW_DIST32_DIR="${TW_DIST32_WIN}")
target_link_libraries(install_tests PRIVATE twdriver gtest_main shell32 ole32 uuid advapi32
    ${TW_STATIC_LINK})
target_link_options(install_tests PRIVATE ${TW_STATIC_LINK})
tw_warnings(install_tests)
gtest_discover_tests(install_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 300 LABELS install RUN_SERIAL TRUE)

# Works the book started by the Debian package's launcher, from inside its Wine prefix.
add_executable(twcolour ${CMAKE_SOURCE_DIR}/tests/install/colour_once.cpp)
target_link_libraries(twcolour PRIVATE twdriver)
target_link_options(twcolour PRIVATE ${TW_STATIC_LINK})
tw_warnings(twcolour)

add_test(NAME Install.DebianPackage
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/deb_test.sh
            ${CMAKE_SOURCE_DIR}/dist/tintwell3_${TW_VERSION}_amd64.deb $<TARGET_FILE:twcolour>)
set_tests_properties(Install.DebianPackage PROPERTIES TIMEOUT 400 LABELS install RUN_SERIAL TRUE)

add_test(NAME Desktop.EndToEndUnderAWindowManager
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/wm_test.sh $<TARGET_FILE:e2e_tests>
            ${CMAKE_SOURCE_DIR}/build/state-wm)
set_tests_properties(Desktop.EndToEndUnderAWindowManager PROPERTIES TIMEOUT 900 LABELS install
    RUN_SERIAL TRUE)
