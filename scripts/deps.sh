#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, if any are missing.
# As root it installs them; otherwise it prints the apt line and stops.
#
#   scripts/deps.sh           to build and run the program (and test on PulseAudio)
#   scripts/deps.sh --tests   also PipeWire, which the test command runs the sound
#                             tests against a second time, and what the package
#                             test builds and checks the Debian package with
#
# PipeWire is left out of the first list on purpose: its pulse server's user
# units conflict with PulseAudio's, so a desktop that runs PulseAudio should
# not get it just to build the program.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libpulse-dev libsndfile1-dev libvorbis-dev libogg-dev libfftw3-dev libsoxr-dev libpipewire-0.3-dev
  qt6-l10n-tools qt6-translations-l10n
  pulseaudio pulseaudio-utils xvfb xauth
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  sox libsox-fmt-all fonts-dejavu-core python3
  desktop-file-utils
)
if [ "${1:-}" = --tests ]; then
  # A private PipeWire (scripts/sound-server.sh): the graph, its session
  # manager, its pulse server, and pw-link to see that the fake devices are linked.
  packages+=(pipewire pipewire-pulse wireplumber pipewire-bin)
  # The Debian package (tests/package_test.sh): dpkg-shlibdeps finds what the
  # programs link, lintian checks the package (a few seconds), appstreamcli
  # the AppStream data, file that the programs are stripped.
  packages+=(dpkg-dev lintian appstream file)
  # A Japanese font, so that the test of the translated captions measures
  # Japanese text as a Japanese desktop draws it.
  packages+=(fonts-ipafont-gothic)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

line="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run as root:" >&2
  echo "  $line" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
