# Sourced by the window benchmarks: a private desktop in a temporary folder
# (a virtual X display with a window manager, a private sound server whose
# card1 plays a signal, a home of its own), the program built and installed
# into it, and the measures read from /proc.
#
# The caller sets `seconds` (the length of one measurement) and `signal`
# (varying: pink noise whose level swells and fades every two seconds, so
# meters move in every frame; tone: a steady 1 kHz tone), then calls
# desktop_start. It may set `extra_cleanup` to a function of its own, run
# first when the benchmark ends. KEEP=1 keeps the temporary folder.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=${TARVELL_BUILD_DIR:-$root/build}
work=
xvfb_pid=
wm_pid=
player_pid=
program_pid=
extra_cleanup=

desktop_cleanup() {
  local rc=$?
  [ -n "$extra_cleanup" ] && "$extra_cleanup" || true
  [ -n "$program_pid" ] && kill -TERM "$program_pid" 2>/dev/null || true
  [ -n "$player_pid" ] && kill -TERM "$player_pid" 2>/dev/null || true
  [ -n "$work" ] && "$root/scripts/sound-server.sh" stop "$work/pa" >/dev/null 2>&1 || true
  [ -n "$wm_pid" ] && kill -TERM "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null || true
  if [ -n "$work" ]; then
    if [ "${KEEP:-0}" = 1 ]; then echo "kept: $work" >&2; else rm -rf "$work"; fi
  fi
  exit "$rc"
}

# Builds and installs the program, then starts the display, the sound and
# the signal. $1: the temporary folder's name prefix.
desktop_start() {
  local synth cmd build_log display n
  case $signal in
  varying) synth=(synth 36000 pinknoise vol 0.5 tremolo 0.5 90) ;;
  tone) synth=(synth 36000 sine 1000 vol 0.25) ;;
  *) echo "SIGNAL must be varying or tone" >&2; exit 2 ;;
  esac
  for cmd in cmake Xvfb openbox xdotool pulseaudio pacat pactl parecord sox; do
    command -v "$cmd" >/dev/null || { echo "missing: $cmd" >&2; exit 1; }
  done

  build_log=$(mktemp /tmp/tarvell-bench-build.XXXXXX)
  if ! { [ -f "$build/CMakeCache.txt" ] \
         || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; } >"$build_log" 2>&1 \
     || ! cmake --build "$build" -j2 >>"$build_log" 2>&1; then
    tail -n 30 "$build_log" >&2
    rm -f "$build_log"
    echo "the build failed" >&2
    exit 1
  fi
  rm -f "$build_log"

  work=$(mktemp -d "/tmp/$1.XXXXXX")
  trap desktop_cleanup EXIT
  trap 'exit 130' INT TERM
  cmake --install "$build" --prefix "$work/inst" >/dev/null

  display=
  for n in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
  done
  [ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  export DISPLAY=$display
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY PULSE_SERVER

  "$root/scripts/sound-server.sh" start "$work/pa" >/dev/null
  export XDG_RUNTIME_DIR=$work/pa
  pactl set-default-source card1.monitor
  sox -q -n -t raw -r 48000 -c 2 -e signed -b 16 - "${synth[@]}" 2>/dev/null \
    | pacat --playback --device=card1 --raw --rate=48000 --channels=2 --format=s16le --stream-name=tone &
  player_pid=$!

  export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data
  mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME/tarvell-recorder" "$XDG_DATA_HOME"
  clk_tck=$(getconf CLK_TCK)
}

# CPU ticks (user + system) PID has used so far.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# CPU % of one core that PID uses over the next `seconds`.
cpu_percent() {
  local pid=$1 t0 t1 w0 w1
  t0=$(ticks "$pid"); w0=$(date +%s%N)
  sleep "$seconds"
  t1=$(ticks "$pid"); w1=$(date +%s%N)
  awk -v t="$((t1 - t0))" -v hz="$clk_tck" -v ns="$((w1 - w0))" 'BEGIN{printf "%.2f", 100 * t / hz / (ns / 1e9)}'
}

# "RSS / private" of PID in MiB.
memory() {
  awk '/^VmRSS/{r=$2} /^RssAnon|^RssShmem/{p+=$2} END{printf "%.1f / %.1f", r/1024, p/1024}' "/proc/$1/status"
}

# Starts the program with the level display style $1 (0..4) and waits for
# the record wizard it opens with; its window waits hidden behind it.
start_program() {
  printf 'lastcheckupdate=%s\r\npreviewindex=%s\r\n' "$(date +%Y-%m-%d)" "$1" \
    >"$XDG_CONFIG_HOME/tarvell-recorder/setting.ini"
  "$work/inst/bin/tarvell-recorder" >>"$work/program.log" 2>&1 &
  program_pid=$!
  xdotool search --sync --onlyvisible --name '^Wizard' >/dev/null
  sleep 3
  wizard=$(xdotool search --onlyvisible --name '^Wizard' | tail -n 1)
}

# Cancels the wizard; `window` becomes the main window.
cancel_wizard() {
  xdotool windowactivate --sync "$wizard"; xdotool key --clearmodifiers alt+c
  xdotool search --sync --onlyvisible --name '^Tarvell Recorder$' >/dev/null
  sleep 2
  window=$(xdotool search --onlyvisible --name '^Tarvell Recorder$' | tail -n 1)
}

stop_program() {
  kill -TERM "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  find "$HOME/Documents" -name '*.wav' -delete
}

# Keys go where the keyboard focus is, as a user's would (events sent to a
# window directly are marked as sent, and toolkits ignore them).
key() { xdotool windowactivate --sync "$window"; xdotool key --clearmodifiers "$1"; sleep 1.5; }
