#!/usr/bin/env bash
# Starts or stops a private, headless sound server for tests and benchmarks.
#
#   scripts/sound-server.sh start DIR [pulseaudio|pipewire]
#       start a server whose runtime folder is DIR (default: pulseaudio)
#   scripts/sound-server.sh stop DIR
#       stop whatever was started in DIR, by PID, and wait until it is gone
#
# Both offer the same fake devices (test-server.pa, test-server-pipewire.pa) and
# are reached with XDG_RUNTIME_DIR=DIR alone (or PULSE_SERVER=unix:DIR/pulse/native).
# PipeWire runs as three processes (pipewire, wireplumber, pipewire-pulse) with
# their configuration, state and logs under DIR as well. Its graph may run at
# 8000, 44100 and 48000 Hz; TARVELL_PIPEWIRE_RATES="48000" (rates separated by
# spaces) starts one with other rates, e.g. a desktop's stock 48 kHz-only graph.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cmd=${1:?start or stop}
dir=${2:?runtime folder}
kind=${3:-pulseaudio}

# A killed server whose parent does not reap it stays a zombie: count it as gone.
alive() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

# Sends TERM to a PID and waits until it is gone; KILL after five seconds.
# Only if it still runs the named program: a PID left in a file by a server
# that died may belong to another process by now.
stop_pid() {
  local pid=$1 name=$2
  [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ] || return 0
  kill -TERM "$pid" 2>/dev/null || return 0
  for _ in $(seq 50); do
    alive "$pid" || return 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  for _ in $(seq 20); do
    alive "$pid" || return 0
    sleep 0.1
  done
}

# Waits up to $1 tenths of a second for a command to succeed.
wait_until() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

pw_pids=$dir/pipewire.pids   # "name pid" lines, in the order to stop them

stop_pipewire() {
  [ -f "$pw_pids" ] || return 0
  local name pid
  while read -r name pid; do
    stop_pid "$pid" "$name"
  done <"$pw_pids"
  rm -f "$pw_pids"
}

# True when every fake device is visible and the defaults are set.
pipewire_devices_ready() {
  local sinks sources info
  sinks=$(pactl list short sinks) && sources=$(pactl list short sources) && info=$(pactl info) || return 1
  for s in card1 card2 micfeed; do grep -qP "^\d+\t$s\t" <<<"$sinks" || return 1; done
  for s in card1.monitor card2.monitor micfeed.monitor mic1 linein2; do
    grep -qP "^\d+\t$s\t" <<<"$sources" || return 1
  done
  grep -qx 'Default Sink: card1' <<<"$info" && grep -qx 'Default Source: card1.monitor' <<<"$info"
}

# True when both remapped sources are fed: WirePlumber has linked each input
# port of theirs to their master's monitor.
pipewire_remaps_linked() {
  local links port
  links=$(pw-link -l) || return 1
  for port in input.mic1:input_FL input.mic1:input_FR input.linein2:input_FL input.linein2:input_FR; do
    grep -qxF "  |-> $port" <<<"$links" || return 1
  done
}

start_pipewire() {
  local config=$dir/config state=$dir/state
  stop_pipewire   # what is left of an earlier run in this folder
  rm -rf "$state"
  mkdir -p "$config/pipewire/pipewire.conf.d" "$config/wireplumber/main.lua.d" \
    "$config/wireplumber/bluetooth.lua.d" "$state"
  # Allow the rates the tests record at, so that a 44.1 kHz or 8 kHz capture is
  # not resampled (the stock graph runs at 48 kHz only). A client asking for
  # 20 ms would bring the graph's cycle down to 512 frames; on a busy virtual
  # machine a late timer then plays 512 frames of silence into a sink (paplay
  # into a null sink: 1 run in 3 had such gaps), so keep it at 1024 or more.
  local rates=${TARVELL_PIPEWIRE_RATES:-8000 44100 48000}
  if ! [[ $rates =~ ^[0-9\ ]+$ ]]; then
    echo "TARVELL_PIPEWIRE_RATES: rates in Hz separated by spaces, not '$rates'" >&2
    exit 2
  fi
  cat >"$config/pipewire/pipewire.conf.d/80-tests.conf" <<EOF
context.properties = {
    default.clock.allowed-rates = [ $rates ]
    default.clock.min-quantum = 1024
}
EOF
  # WirePlumber's users of D-Bus (device reservation, the flatpak portal,
  # bluetooth) would make it exit without a session bus. Streams start from
  # scratch, as on the PulseAudio test server: no volumes or devices restored.
  cat >"$config/wireplumber/main.lua.d/80-tests.lua" <<'EOF'
alsa_monitor.properties["alsa.reserve"] = false
default_access.properties["enable-flatpak-portal"] = false
stream_defaults.properties["restore-props"] = false
stream_defaults.properties["restore-target"] = false
EOF
  echo 'bluez_monitor.enabled = false' >"$config/wireplumber/bluetooth.lua.d/80-tests.lua"

  export XDG_CONFIG_HOME=$config XDG_STATE_HOME=$state
  unset DBUS_SESSION_BUS_ADDRESS PIPEWIRE_REMOTE PIPEWIRE_RUNTIME_DIR PIPEWIRE_CONFIG_DIR

  # Each in a session of its own, so that signals meant for the caller's
  # process group (a test run interrupted) do not reach the server.
  : >"$pw_pids"
  local name pid
  for name in pipewire wireplumber pipewire-pulse; do
    setsid "$name" </dev/null >"$dir/$name.log" 2>&1 &
    pid=$!
    # Stopped in the reverse order: the pulse server first, the graph last.
    { echo "$name $pid"; cat "$pw_pids"; } >"$pw_pids.new" && mv "$pw_pids.new" "$pw_pids"
    case $name in
    pipewire)
      if ! wait_until 100 test -S "$dir/pipewire-0"; then
        echo "pipewire did not start; its log:" >&2
        cat "$dir/pipewire.log" >&2 || true
        stop_pipewire
        exit 1
      fi
      ;;
    esac
  done
  if ! wait_until 100 pactl info; then
    echo "pipewire-pulse did not answer; the logs:" >&2
    tail -n 20 "$dir"/pipewire*.log "$dir/wireplumber.log" >&2 || true
    stop_pipewire
    exit 1
  fi

  local line
  while IFS= read -r line; do
    case $line in '' | '#'*) continue ;; esac
    if ! xargs pactl >/dev/null <<<"$line"; then
      echo "pactl $line: failed" >&2
      stop_pipewire
      exit 1
    fi
  done <"$here/test-server-pipewire.pa"

  # WirePlumber links the remapped sources and settles the defaults a moment
  # after pipewire-pulse has made the devices.
  if ! wait_until 100 pipewire_devices_ready || ! wait_until 100 pipewire_remaps_linked; then
    echo "the fake devices did not all appear; what there is:" >&2
    pactl list short sinks >&2 || true
    pactl list short sources >&2 || true
    pw-link -l >&2 || true
    tail -n 20 "$dir/wireplumber.log" >&2 || true
    stop_pipewire
    exit 1
  fi
  echo "sound server up (pipewire): XDG_RUNTIME_DIR=$dir pids $(awk '{printf "%s %s  ", $1, $2}' "$pw_pids")"
}

start_pulseaudio() {
  # A server that was killed leaves its PID file behind.
  if [ -f "$dir/pulse/pid" ] && ! alive "$(cat "$dir/pulse/pid")"; then
    rm -f "$dir/pulse/pid"
  fi
  pulseaudio --daemonize=yes --system=false --exit-idle-time=-1 --disallow-exit=no \
    --use-pid-file=yes -n -F "$here/test-server.pa" \
    --log-target=file:"$dir/pulse.log" </dev/null
  if wait_until 100 pactl info; then
    echo "sound server up (pulseaudio): XDG_RUNTIME_DIR=$dir pid $(cat "$dir/pulse/pid")"
    return 0
  fi
  echo "sound server did not answer; its log:" >&2
  cat "$dir/pulse.log" >&2 || true
  exit 1
}

stop_pulseaudio() {
  local pidfile=$dir/pulse/pid
  [ -f "$pidfile" ] || return 0
  stop_pid "$(cat "$pidfile")" pulseaudio
}

case "$cmd" in
start)
  mkdir -p "$dir"
  chmod 700 "$dir"
  export XDG_RUNTIME_DIR=$dir
  # A server of our own must never be mistaken for a desktop one.
  unset PULSE_SERVER DISPLAY
  case $kind in
  pulseaudio) start_pulseaudio ;;
  pipewire) start_pipewire ;;
  *)
    echo "unknown sound server: $kind (pulseaudio or pipewire)" >&2
    exit 2
    ;;
  esac
  ;;
stop)
  stop_pipewire
  stop_pulseaudio
  ;;
*)
  echo "usage: $0 start DIR [pulseaudio|pipewire] | stop DIR" >&2
  exit 2
  ;;
esac
