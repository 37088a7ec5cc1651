# `cpack -G DEB` in the build folder: a Debian package of what `cmake --install` lays out,
# under /usr, with its dependencies read from the binaries it holds. Its copyright, changelog
# and manual page come from data/.
set(CPACK_PACKAGE_NAME tessavox)
set(CPACK_PACKAGE_VENDOR Korrin)
set(CPACK_PACKAGE_CONTACT "Korrin <${TESSAVOX_EMAIL}>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TESSAVOX_WEBSITE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop sound recorder for WAV, MP3, FLAC and Opus files")
set(CPACK_PACKAGE_DESCRIPTION "Tessavox records the sound card's input (a microphone, a line input, or what
the computer plays) to WAV, MP3, FLAC or Opus files, in mono, stereo or one
mono file per channel. It pauses and resumes, plays the files it makes back,
starts and stops recordings at set times, and shows the sound as a live trace.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
# Dependencies on shared libraries come from cmake/ShlibDepends.cmake, not from
# CPACK_DEBIAN_PACKAGE_SHLIBDEPS: the package then has no maintainer scripts at all.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ShlibDepends.cmake)
# Qt's platform plugins are only recommended by its GUI library, and without them no window
# opens; the sound server is what the program records through. On a Wayland desktop Qt's
# Wayland plugin runs the window natively rather than through XWayland, and Qt's own
# catalogues translate its standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, qt6-wayland, qt6-translations-l10n")
include(CPack)
