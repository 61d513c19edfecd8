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
# Beside it, the same way: parecord on the same source, and a bare Qt window
# (bench/repaint_floor) repainting the level display's area 25 times a second,
# which is the floor under every row with the window shown on this desktop
# that day (the machine's own figures vary by up to a third from day to day).
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
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ] || ! [[ $minutes =~ ^[0-9]+$ ]]; then
  echo "usage: [MINUTES=N] $0 [SECONDS]   (whole numbers; SECONDS at least 1)" >&2
  exit 2
fi
. "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
desktop_start tarvell-window-bench

# ---------------------------------------------------------------- the program
declare -a rows
row() { rows+=("$(printf '%-58s %8s %8s' "$1" "$2" "$3")"); }
styles=(oscilloscope spectrum meters spectrogram history)

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

# What Qt alone costs on this desktop today for a window that repaints the
# level display's area 25 times a second: the floor under every shown row.
"$build/bench/repaint_floor" >/dev/null 2>&1 &
floor_pid=$!
sleep 2
floor=$(cpu_percent "$floor_pid")
kill -TERM "$floor_pid"; wait "$floor_pid" 2>/dev/null || true

echo "tarvell-recorder under Xvfb, card1's monitor playing the $signal signal; $seconds s in each state"
printf '%-58s %8s %8s\n' "" "% core" "target"
printf '%s\n' "${rows[@]}"
printf '%-58s %8s\n' "parecord --latency-msec=50 on the same source" "$pa"
printf '%-58s %8s\n' "a bare Qt window repainting the display's area, 25/s" "$floor"
[ -n "$long" ] && echo "$long"
echo "recorded: $(stat -c %s "$wav") bytes in $wav"
