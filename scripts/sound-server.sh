#!/usr/bin/env bash
# Starts or stops a private, headless PulseAudio for tests and benchmarks.
#
#   scripts/sound-server.sh start DIR   start a server whose runtime folder is DIR
#   scripts/sound-server.sh stop DIR    stop it by its PID and wait until it is gone
#
# Clients reach it with XDG_RUNTIME_DIR=DIR (or PULSE_SERVER=unix:DIR/pulse/native).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cmd=${1:?start or stop}
dir=${2:?runtime folder}

# A killed server whose parent does not reap it stays a zombie: count it as gone.
alive() {
  local state
  state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

case "$cmd" in
start)
  mkdir -p "$dir"
  chmod 700 "$dir"
  export XDG_RUNTIME_DIR=$dir
  # A server that was killed leaves its PID file behind.
  if [ -f "$dir/pulse/pid" ] && ! alive "$(cat "$dir/pulse/pid")"; then
    rm -f "$dir/pulse/pid"
  fi
  # A server of our own must never be mistaken for a desktop one.
  unset PULSE_SERVER DISPLAY
  pulseaudio --daemonize=yes --system=false --exit-idle-time=-1 --disallow-exit=no \
    --use-pid-file=yes -n -F "$here/test-server.pa" \
    --log-target=file:"$dir/pulse.log" </dev/null
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      echo "sound server up: XDG_RUNTIME_DIR=$dir pid $(cat "$dir/pulse/pid")"
      exit 0
    fi
    sleep 0.1
  done
  echo "sound server did not answer; its log:" >&2
  cat "$dir/pulse.log" >&2 || true
  exit 1
  ;;
stop)
  pidfile=$dir/pulse/pid
  [ -f "$pidfile" ] || exit 0
  pid=$(cat "$pidfile")
  kill -TERM "$pid" 2>/dev/null || exit 0
  for _ in $(seq 50); do
    alive "$pid" || exit 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
