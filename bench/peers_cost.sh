#!/usr/bin/env bash
# What this program costs a core and memory beside the other desktop sound
# recorders installed here, on the same private desktop and the same sound.
#
#   bench/peers_cost.sh [SECONDS] [ROUNDS]     (defaults: 30 and 3)
#
# Each recorder is started on its own with its window shown, measured for
# SECONDS while it waits (ours monitors with its meters; the others show
# nothing moving until they record), then made to record from the default
# source (card1's monitor, playing pink noise that swells and fades every
# two seconds) with its own keyboard shortcut and measured for SECONDS
# again, then ended. ROUNDS rounds take the recorders in turn, so that each
# meets the same machine; the table gives the median of the rounds, and the
# resident memory at the end of the last recording.
#
# The peers are optional: GNOME Sound Recorder (measured twice: with GTK's
# default GL drawing and with GSK_RENDERER=cairo, its software drawing) and
# Audacity (recording through ALSA's PulseAudio plugin, package
# libasound2-plugins). One that is not installed is left out and said so.
# Ours is the installed build of $TARVELL_BUILD_DIR (default: build/).
#
# Figures are printed, never judged: the exit status only says whether the
# benchmark itself ran. KEEP=1 keeps the temporary folder; SHOTS=1 also keeps
# a screenshot of each recorder as it records (ImageMagick's import) there.
set -euo pipefail

seconds=${1:-30}
rounds=${2:-3}
signal=varying
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ] || ! [[ $rounds =~ ^[0-9]+$ ]] || [ "$rounds" -lt 1 ]; then
  echo "usage: $0 [SECONDS] [ROUNDS]   (whole numbers, at least 1)" >&2
  exit 2
fi
. "$(dirname "${BASH_SOURCE[0]}")/desktop.sh"
desktop_start tarvell-peers-bench

end_peers() {
  [ -n "$program_pid" ] && kill -KILL "$program_pid" 2>/dev/null || true
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
}
extra_cleanup=end_peers
export GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1
# ALSA's default device is the sound server (for Audacity).
printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' >"$HOME/.asoundrc"
# Audacity without its first-run pages and update question.
for dir in "$XDG_CONFIG_HOME/audacity" "$HOME/.audacity-data"; do
  mkdir -p "$dir"
  printf '[GUI]\nShowSplashScreen=0\n[Update]\nDefaultUpdatesChecking=0\nUpdateNoticeShown=1\n[AudioIO]\nHost=ALSA\nRecordingDevice=default\nPlaybackDevice=default\nRecordChannels=2\n[Directories]\nTempDir=%s\n' \
    "$work/audacity-temp" >"$dir/audacity.cfg"
done

# Each recorder: a name for the table, how to start it, the title of its
# window (a regular expression), and the key that starts recording.
declare -a names starts titles keys
add() { names+=("$1"); starts+=("$2"); titles+=("$3"); keys+=("$4"); }
add "this program (meters)" "ours" '^Tarvell Recorder$' alt+r
missing=()
if command -v gnome-sound-recorder >/dev/null && command -v dbus-launch >/dev/null; then
  # A GTK application needs a session bus: one of our own, ended with us.
  eval "$(dbus-launch --sh-syntax)"
  add "GNOME Sound Recorder (software drawing)" "GSK_RENDERER=cairo gnome-sound-recorder" '^Sound Recorder$' ctrl+r
  add "GNOME Sound Recorder (its default GL drawing)" "gnome-sound-recorder" '^Sound Recorder$' ctrl+r
else
  missing+=("GNOME Sound Recorder (with dbus-x11)")
fi
if command -v audacity >/dev/null && [ -e /usr/share/alsa/alsa.conf.d/50-pulseaudio.conf ]; then
  add "Audacity" "audacity" '^Audacity$' r
else
  missing+=("Audacity (with libasound2-plugins)")
fi

# Starts recorder $1 and sets program_pid and window; its window shown.
launch() {
  if [ "${starts[$1]}" = ours ]; then
    start_program 2   # the meters
    cancel_wizard
  else
    # A recorder ended by the last round leaves no unsaved project to offer back.
    rm -rf "$work/audacity-temp"
    env ${starts[$1]} >>"$work/peer.log" 2>&1 &
    program_pid=$!
    # A search can fail when a window it meets goes away under it (a splash
    # screen); it is simply asked again.
    window=
    for _ in $(seq 60); do
      window=$(xdotool search --onlyvisible --name "${titles[$1]}" 2>/dev/null | tail -n 1 || true)
      [ -n "$window" ] && break
      sleep 1
    done
    [ -n "$window" ] || { echo "${names[$1]}: no window appeared" >&2; tail -n 20 "$work/peer.log" >&2; exit 1; }
    # gjs and audacity run under their own names; the window's process is the one measured.
    program_pid=$(xdotool getwindowpid "$window" 2>/dev/null || echo "$program_pid")
    sleep 5
    # Pages a first start may put in front (Audacity's welcome) are closed.
    for page in $(xdotool search --onlyvisible --pid "$program_pid" --name . 2>/dev/null || true); do
      [ "$page" = "$window" ] && continue
      xdotool windowactivate --sync "$page" 2>/dev/null && xdotool key --clearmodifiers Escape
      sleep 1
    done
  fi
}

declare -A idle busy rss
for ((round = 1; round <= rounds; round++)); do
  for i in "${!names[@]}"; do
    launch "$i"
    idle[$i,$round]=$(cpu_percent "$program_pid")
    key "${keys[$i]}"
    busy[$i,$round]=$(cpu_percent "$program_pid")
    rss[$i]=$(awk '/^VmRSS/{printf "%.0f", $2/1024}' "/proc/$program_pid/status")
    [ "${SHOTS:-0}" = 1 ] && import -window root "$work/recording-$i-$round.png"
    kill -TERM "$program_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$program_pid" 2>/dev/null || true
    program_pid=
    sleep 2
  done
done

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END{print (NR % 2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
echo "under Xvfb with openbox, card1's monitor playing pink noise; $seconds s a state, median of $rounds rounds"
printf '%-48s %14s %14s %12s\n' "" "recording, %" "waiting, %" "RSS, MiB"
for i in "${!names[@]}"; do
  r=(); w=()
  for ((round = 1; round <= rounds; round++)); do r+=("${busy[$i,$round]}"); w+=("${idle[$i,$round]}"); done
  printf '%-48s %14s %14s %12s\n' "${names[$i]}" "$(median "${r[@]}")" "$(median "${w[@]}")" "${rss[$i]}"
done
[ ${#missing[@]} -gt 0 ] && echo "not installed, left out: ${missing[*]}"
exit 0
