# The Debian package: "cpack -G DEB" in a configured build folder packs what
# "cmake --install" installs, under /usr, and adds what Debian asks of every
# package (manual pages compressed, the copyright file, a changelog; see
# DebianFiles.cmake). Included from the top-level CMakeLists.txt after the
# install rules.

set(TARVELL_PACKAGE_MAINTAINER
    "The Tarvell Recorder developers <developers@tarvell-recorder.invalid>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvell-recorder)
set(CPACK_PACKAGE_VENDOR "The Tarvell Recorder developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sound recorder for PulseAudio and PipeWire")
# Lines stay under 80 characters, an empty line starts a new paragraph; no
# double quotes (CPack does not escape them in CPackConfig.cmake).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tarvell Recorder records what the computer can capture - a microphone, a
line input, or the sound the computer itself is playing (the Stereo Mix line,
the monitor of an output) - into PCM WAV files that every player reads. It
shows the level live as an oscilloscope, a spectrum, peak and RMS meters, a
spectrogram or a level history, leads through a recording with a wizard, and
has a media player whose sound it can record and a small player for the
result.

The package also holds tarvell-rec, a command-line recorder for the same
devices and lines without a window.

It talks to PulseAudio, and to PipeWire through its pulse server.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)          # tarvell-recorder_<version>-1_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TARVELL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# No web site exists, so no Homepage field.

# The libraries the programs link (Qt, libpulse, libpipewire, libsoxr, libsndfile,
# libvorbisenc and libogg, FFTW, the C++ runtime) are found by dpkg-shlibdeps
# (package dpkg-dev) in the built programs, with the versions their symbols
# need; CPack adds them to the Depends below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no program links and dpkg-shlibdeps therefore cannot see:
# - Qt Multimedia plays through GStreamer, which loads its elements at run time:
#   playbin and the decoders of "base", the WAV, FLAC and MP3 parsers and
#   pulsesink of "good". Without them the media player and the Wav Player play
#   nothing. (Qt's GStreamer backend itself is in libqt6multimedia6, which
#   shlibdeps finds.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# - A sound server to record from: the programs say "No sound server" without
#   one, and a desktop usually has one already.
# - xdg-open, which opens the help's web links, Check Update and the product
#   links in the user's browser; without it those do nothing.
# - Qt's Wayland platform plugin, so that a Wayland desktop gets a native
#   window rather than one through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, xdg-utils, qt6-wayland, qt6-translations-l10n")

set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianFiles.cmake)
set(CPACK_TARVELL_COPYRIGHT_FILE ${CMAKE_CURRENT_LIST_DIR}/copyright)

include(CPack)
