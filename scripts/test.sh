#!/usr/bin/env bash
# Builds the project and runs every test against a private, headless sound
# server that this script starts and stops itself. Exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/build.sh"

runtime=$(mktemp -d /tmp/tarvell-test-XXXXXX)
cleanup() {
  "$root/scripts/sound-server.sh" stop "$runtime" || true
  rm -rf "$runtime"
}
trap cleanup EXIT
"$root/scripts/sound-server.sh" start "$runtime"

export XDG_RUNTIME_DIR=$runtime
export TARVELL_TEST_SOUND_SERVER=1   # sound tests fail rather than skip
export QT_QPA_PLATFORM=offscreen
unset DISPLAY PULSE_SERVER

cd "$root/build"
ctest --output-on-failure -j "$(nproc)" "$@"
