#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, if any are missing.
# As root it installs them; otherwise it prints the apt line and stops.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libpulse-dev libsndfile1-dev libfftw3-dev
  pulseaudio pulseaudio-utils xvfb xauth
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  sox libsox-fmt-all fonts-dejavu-core python3
  desktop-file-utils
)

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
