# `cpack -G DEB` in the build folder makes a Debian package of the program, its music, icon, desktop
# entry and AppStream file, installed under /usr. In a Windows build, `cpack` makes
# zentrimo-windows.zip: one folder that holds the program, its music, the DLLs and a readme.
set(CPACK_PACKAGE_NAME zentrimo)
set(CPACK_PACKAGE_VENDOR Vaskor)
set(CPACK_PACKAGE_CONTACT "The Zentrimo project")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tune the classic Counter-Strike's start-up script")
set(CPACK_PACKAGE_DESCRIPTION
    "A wizard that finds the game folder, walks through video, sound, network and other settings, and
writes the answers as console lines into the game's start-up script, keeping the player's own.")
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME zentrimo-windows)
else()
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Loaded at run time as plugins, so dpkg-shlibdeps cannot see them: the window system, and the
    # GStreamer elements that Qt Multimedia plays the MP3 music through (mpg123 is in -good).
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libnettle8, qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
    # Qt's own buttons and dialogs in the player's language, read from the system's Qt.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
include(CPack)
