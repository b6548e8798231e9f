# What a parent installs: the Windows installer of the 32-bit program, and the Debian package of
# the 64-bit one (Debian's Wine runs it without the 32-bit libraries).
set(TW_VERSION 4.21) # as the About box says

# The words of the installer and the menu entries in every language.
file(GLOB TW_INSTALL_WORDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/lang/*/install.txt)

# The installer ships for 32-bit Windows. The 64-bit build makes the same installer of its own
# program for 64-bit Windows, not shipped: its tests run where Wine has no 32-bit side.
find_program(TW_MAKENSIS makensis)
if(NOT TW_MAKENSIS)
    message(WARNING "makensis not found: no Windows installer")
else()
    set(TW_NSI ${CMAKE_SOURCE_DIR}/tools/installer/tintwell3.nsi)
    # The installer's words in every language, from resources/lang/*/install.txt.
    set(TW_NSI_WORDS ${CMAKE_CURRENT_BINARY_DIR}/installer-words.nsh)
    add_custom_command(OUTPUT ${TW_NSI_WORDS}
        COMMAND bash ${CMAKE_SOURCE_DIR}/tools/installer/words.sh nsis
                ${CMAKE_SOURCE_DIR}/resources/lang ${TW_NSI_WORDS}
        DEPENDS ${CMAKE_SOURCE_DIR}/tools/installer/words.sh ${TW_INSTALL_WORDS}
        VERBATIM)
    if(TW_DIST_NAME STREQUAL "win32")
        set(TW_SETUP ${CMAKE_SOURCE_DIR}/dist/tintwell3-setup.exe)
        set(TW_NSI_TARGET)
    else()
        set(TW_SETUP ${CMAKE_BINARY_DIR}/tintwell3-setup64.exe)
        set(TW_NSI_TARGET -DAMD64)
    endif()
    add_custom_command(OUTPUT ${TW_SETUP}
        COMMAND ${TW_MAKENSIS} -V2 -DSRCDIR=${TW_DIST_DIR} -DICON=${TW_ASSETS_DIR}/TWLIcon.ico
                -DVERSION=${TW_VERSION} -DOUTFILE=${TW_SETUP} -DWORDS=${TW_NSI_WORDS}
                ${TW_NSI_TARGET} ${TW_NSI}
        DEPENDS ${TW_NSI} ${TW_NSI_WORDS} tintwell3 pagemaker_dist dist
                ${TW_ASSETS_DIR}/TWLIcon.ico
        VERBATIM)
    add_custom_target(installer ALL DEPENDS ${TW_SETUP})
endif()

if(NOT TW_DIST_NAME STREQUAL "win32")
    set(TW_DEB ${CMAKE_SOURCE_DIR}/dist/tintwell3_${TW_VERSION}_amd64.deb)
    file(GLOB TW_DEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/debian/*)
    # The maintainer comes from the environment of each build (DEBFULLNAME, DEBEMAIL): a change
    # of it builds the package again.
    set(TW_DEB_MAINTAINER ${CMAKE_CURRENT_BINARY_DIR}/deb-maintainer.txt)
    add_custom_target(deb_maintainer
        COMMAND bash ${CMAKE_SOURCE_DIR}/tools/debian/maintainer.sh ${TW_DEB_MAINTAINER}
        BYPRODUCTS ${TW_DEB_MAINTAINER}
        VERBATIM)
    add_custom_command(OUTPUT ${TW_DEB}
        COMMAND bash ${CMAKE_SOURCE_DIR}/tools/debian/build-deb.sh ${TW_DIST_DIR} ${TW_ASSETS_DIR}
                ${TW_VERSION} ${TW_DEB}
        DEPENDS ${TW_DEB_SOURCES} ${TW_INSTALL_WORDS} ${CMAKE_SOURCE_DIR}/tools/installer/words.sh
                tintwell3 pagemaker_dist dist ${TW_ASSETS_DIR}/tintwell3-256.png
                ${TW_DEB_MAINTAINER} deb_maintainer
        VERBATIM)
    add_custom_target(deb ALL DEPENDS ${TW_DEB})
endif()
