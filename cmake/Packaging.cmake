# `cpack -G DEB` in the build folder makes a Debian package of the program, its music, icon, desktop
# entry and AppStream file, installed under /usr.
set(CPACK_PACKAGE_NAME zentrimo)
set(CPACK_PACKAGE_VENDOR Vaskor)
set(CPACK_PACKAGE_CONTACT "Zentrimo maintainers <maintainers@users.noreply.c-seed-b2560705.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tune the classic Counter-Strike's start-up script")
set(CPACK_PACKAGE_DESCRIPTION
    "A wizard that finds the game folder, walks through video, sound, network and other settings, and
writes the answers as console lines into the game's start-up script, keeping the player's own.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time as plugins, so dpkg-shlibdeps cannot see them: the window system, and the
# GStreamer elements that Qt Multimedia plays the Ogg music through.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, gstreamer1.0-plugins-base")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good")
include(CPack)
