#!/usr/bin/env bash
# Builds the project and runs every test against a private, headless PulseAudio,
# then the sound tests (labels "sound", and "ownserver" for those that run a
# server of their own) again against a private, headless PipeWire. This script starts and stops both servers itself. Exits non-zero
# when either run fails.
#
# Extra arguments go to both ctest runs (the PipeWire run adds -L "sound|ownserver").
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/deps.sh" --tests
"$root/scripts/build.sh"

pulse_dir=$(mktemp -d /tmp/tarvell-test-XXXXXX)
pipewire_dir=$(mktemp -d /tmp/tarvell-test-pw-XXXXXX)
cleanup() {
  "$root/scripts/sound-server.sh" stop "$pulse_dir" || true
  "$root/scripts/sound-server.sh" stop "$pipewire_dir" || true
  rm -rf "$pulse_dir" "$pipewire_dir"
}
trap cleanup EXIT
# Leave through the EXIT trap on a signal too, so the servers are stopped.
trap 'exit 130' INT
trap 'exit 143' TERM

export TARVELL_TEST_SOUND_SERVER=1   # sound tests fail rather than skip
export QT_QPA_PLATFORM=offscreen
unset DISPLAY PULSE_SERVER
cd "$root/build"

# Runs ctest against the server in $1 (a runtime folder), named $2.
run_ctest() {
  local dir=$1 name=$2
  shift 2
  echo
  echo "======== ctest${*:+ $*} against $name (XDG_RUNTIME_DIR=$dir) ========"
  local rc=0
  XDG_RUNTIME_DIR=$dir ctest --output-on-failure -j "$(nproc)" "$@" || rc=$?
  echo "======== end of the ctest run against $name ========"
  return $rc
}

"$root/scripts/sound-server.sh" start "$pulse_dir" pulseaudio
pulse_rc=0
run_ctest "$pulse_dir" PulseAudio "$@" || pulse_rc=$?
"$root/scripts/sound-server.sh" stop "$pulse_dir"

pipewire_rc=0
pipewire_result=
selected=$(ctest -N -L 'sound|ownserver' "$@")
if grep -q '^Total Tests: 0$' <<<"$selected"; then
  pipewire_result="not run (no sound test selected)"
else
  "$root/scripts/sound-server.sh" start "$pipewire_dir" pipewire
  TARVELL_TEST_SOUND_SERVER_KIND=pipewire run_ctest "$pipewire_dir" PipeWire -L 'sound|ownserver' "$@" \
    || pipewire_rc=$?
  "$root/scripts/sound-server.sh" stop "$pipewire_dir"
fi

verdict() { [ "$1" -eq 0 ] && echo passed || echo "FAILED (ctest exit code $1)"; }
echo
echo "Against PulseAudio, the selected tests: $(verdict $pulse_rc)"
echo "Against PipeWire, the sound tests:     ${pipewire_result:-$(verdict $pipewire_rc)}"
[ $pulse_rc -eq 0 ] && [ $pipewire_rc -eq 0 ]
