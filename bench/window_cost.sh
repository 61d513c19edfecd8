#!/usr/bin/env bash
# What the program costs a core while it monitors, records, and waits out of
# sight, side by side with parecord recording the same source.
#
#   bench/window_cost.sh [SECONDS]        (default 30 for each state)
#
# The program runs once for each level display style (oscilloscope,
# spectrum, meters, spectrogram, history), monitoring and recording with its
# window shown; out of sight (minimised, behind the wizard or the Wav Player)
# nothing is drawn, so those rows are measured once.
#
# Everything runs in a temporary folder: a virtual X display (Xvfb) with a
# window manager (openbox, so that minimising is what it is on a desktop), a private
# sound server whose card1 plays a signal for the whole run, and the
# program installed into the folder (so its settings go there too). The
# program starts on card1's monitor with the level display it opens with and is
# driven like a user would: the wizard it opens with is cancelled, Alt+R
# records, Alt+S stops, the window is minimised and restored, Alt+P opens the
# Wav Player (which hides the window).
# CPU is read from /proc for the program alone over SECONDS in each state.
#
# SIGNAL=varying (the default) plays pink noise whose level swells and fades
# every two seconds, so the meters move in every frame as they do with music;
# SIGNAL=tone plays a steady 1 kHz tone (the meters stand still).
#
# MINUTES=60 adds a long recording with the window shown and prints the
# program's memory (RSS and private) at its start and every ten minutes.
#
# Built in $TARVELL_BUILD_DIR (default: build/ in the repository).
# KEEP=1 keeps the temporary folder. Figures are printed, never judged: the
# exit status only says whether the benchmark itself ran.
set -euo pipefail

seconds=${1:-30}
minutes=${MINUTES:-0}
signal=${SIGNAL:-varying}
case $signal in
varying) synth=(synth 36000 pinknoise vol 0.5 tremolo 0.5 90) ;;
tone) synth=(synth 36000 sine 1000 vol 0.25) ;;
*) echo "SIGNAL must be varying or tone" >&2; exit 2 ;;
esac
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ] || ! [[ $minutes =~ ^[0-9]+$ ]]; then
  echo "usage: [MINUTES=N] $0 [SECONDS]   (whole numbers; SECONDS at least 1)" >&2
  exit 2
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=${TARVELL_BUILD_DIR:-$root/build}
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

work=$(mktemp -d /tmp/tarvell-window-bench.XXXXXX)
runtime=$work/pa
xvfb_pid=
wm_pid=
player_pid=
program_pid=
cleanup() {
  local rc=$?
  [ -n "$program_pid" ] && kill -TERM "$program_pid" 2>/dev/null || true
  [ -n "$player_pid" ] && kill -TERM "$player_pid" 2>/dev/null || true
  "$root/scripts/sound-server.sh" stop "$runtime" >/dev/null 2>&1 || true
  [ -n "$wm_pid" ] && kill -TERM "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill -TERM "$xvfb_pid" 2>/dev/null || true
  if [ "${KEEP:-0}" = 1 ]; then echo "kept: $work" >&2; else rm -rf "$work"; fi
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

cmake --install "$build" --prefix "$work/inst" >/dev/null

# ---------------------------------------------------------------- display, sound, settings
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

"$root/scripts/sound-server.sh" start "$runtime" >/dev/null
export XDG_RUNTIME_DIR=$runtime
pactl set-default-source card1.monitor
sox -q -n -t raw -r 48000 -c 2 -e signed -b 16 - "${synth[@]}" 2>/dev/null \
  | pacat --playback --device=card1 --raw --rate=48000 --channels=2 --format=s16le --stream-name=tone &
player_pid=$!

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME/tarvell-recorder"
# The update question is not due: it was asked today.
printf 'lastcheckupdate=%s\r\n' "$(date +%Y-%m-%d)" >"$XDG_CONFIG_HOME/tarvell-recorder/setting.ini"

# ---------------------------------------------------------------- measuring
clk_tck=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# CPU % of one core that PID uses over the next SECONDS.
cpu_percent() {
  local pid=$1 t0 t1 w0 w1
  t0=$(ticks "$pid"); w0=$(date +%s%N)
  sleep "$seconds"
  t1=$(ticks "$pid"); w1=$(date +%s%N)
  awk -v t="$((t1 - t0))" -v hz="$clk_tck" -v ns="$((w1 - w0))" 'BEGIN{printf "%.2f", 100 * t / hz / (ns / 1e9)}'
}
memory() {   # "RSS / private" in MiB
  awk '/^VmRSS/{r=$2} /^RssAnon|^RssShmem/{p+=$2} END{printf "%.1f / %.1f", r/1024, p/1024}' "/proc/$1/status"
}
# Keys go where the keyboard focus is, as a user's would (events sent to a
# window directly are marked as sent, and Qt ignores them).
key() { xdotool windowactivate --sync "$window"; xdotool key --clearmodifiers "$1"; sleep 1.5; }

# ---------------------------------------------------------------- the program
declare -a rows
row() { rows+=("$(printf '%-58s %8s %8s' "$1" "$2" "$3")"); }
styles=(oscilloscope spectrum meters spectrogram history)
program=
# Starts the program with level display style $1 (0..4) and waits for its
# window, the wizard it opens with cancelled.
start_program() {
  printf 'lastcheckupdate=%s\r\npreviewindex=%s\r\n' "$(date +%Y-%m-%d)" "$1" \
    >"$XDG_CONFIG_HOME/tarvell-recorder/setting.ini"
  "$work/inst/bin/tarvell-recorder" >>"$work/program.log" 2>&1 &
  program_pid=$!
  # It opens with the record wizard in front; the window waits hidden behind it.
  xdotool search --sync --onlyvisible --name '^Wizard' >/dev/null
  sleep 3
  wizard=$(xdotool search --onlyvisible --name '^Wizard' | tail -n 1)
}
cancel_wizard() {
  xdotool windowactivate --sync "$wizard"; xdotool key --clearmodifiers alt+c   # Cancel
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

# Every style shown, monitoring and recording; the first also hidden and
# minimised, which do not depend on the style (nothing is drawn).
for style in 0 1 2 3 4; do
  name=${styles[$style]}
  start_program "$style"
  [ "$style" -eq 0 ] && row "wizard showing, window hidden (monitoring)" "$(cpu_percent "$program_pid")" "0.3"
  cancel_wizard
  row "$name: monitoring, window shown" "$(cpu_percent "$program_pid")" "1.0"
  if [ "$style" -eq 0 ]; then
    xdotool windowminimize --sync "$window"; sleep 1
    row "monitoring, window minimised" "$(cpu_percent "$program_pid")" "0.3"
    xdotool windowactivate --sync "$window"; sleep 1
  fi
  key alt+r
  wav=$(find "$HOME/Documents" -name '*.wav' | head -n 1)
  [ -n "$wav" ] || { echo "Alt+R did not start a recording" >&2; cat "$work/program.log" >&2; exit 1; }
  row "$name: recording, window shown" "$(cpu_percent "$program_pid")" "1.5"
  if [ "$style" -eq 0 ]; then
    xdotool windowminimize --sync "$window"; sleep 1
    row "recording, window minimised" "$(cpu_percent "$program_pid")" "0.3"
    xdotool windowactivate --sync "$window"; sleep 1
  fi
  [ "$style" -lt 4 ] && stop_program
done

# The last style goes on: a long recording, Stop, the Wav Player.
long=
if [ "$minutes" -gt 0 ]; then
  long="memory (RSS / private MiB) over a $minutes-minute recording: start $(memory "$program_pid")"
  for ((m = 10; m <= minutes; m += 10)); do
    sleep 600
    long+=", ${m} min $(memory "$program_pid")"
  done
fi
key alt+s
row "after Stop, window shown (monitoring)" "$(cpu_percent "$program_pid")" "1.0"

key alt+p   # the Wav Player opens, the window hides, the recording plays
row "Wav Player playing the recording, window hidden" "$(cpu_percent "$program_pid")" "-"
# The recording is about 2 x SECONDS long: wait until it has played out.
if [ "$minutes" -eq 0 ]; then
  sleep $((seconds + 8))
  row "Wav Player open (played out), window hidden" "$(cpu_percent "$program_pid")" "0.3"
fi

# ---------------------------------------------------------------- reference
parecord --latency-msec=50 --device=card1.monitor --rate=44100 --channels=2 --format=s16le \
  --file-format=wav "$work/parecord.wav" 2>/dev/null &
pa_pid=$!
sleep 1
pa=$(cpu_percent "$pa_pid")
kill -INT "$pa_pid"; wait "$pa_pid" 2>/dev/null || true

echo "tarvell-recorder under Xvfb, card1's monitor playing the $signal signal; $seconds s in each state"
printf '%-58s %8s %8s\n' "" "% core" "target"
printf '%s\n' "${rows[@]}"
printf '%-58s %8s\n' "parecord --latency-msec=50 on the same source" "$pa"
[ -n "$long" ] && echo "$long"
echo "recorded: $(stat -c %s "$wav") bytes in $wav"
