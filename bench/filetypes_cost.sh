#!/usr/bin/env bash
# What each file type costs: for a speech-like and a music-like signal, the size
# of the file tarvell-rec writes and the CPU time it takes, for every type and
# quality it offers, beside a GStreamer pipeline doing the same encoding and
# parecord writing WAV, all three recording the same source at the same time.
#
#   bench/filetypes_cost.sh [SECONDS]        (default 60)
#
# Everything runs against a private sound server in a temporary folder. The two
# signals are made here with python3 (nothing is downloaded or read from
# elsewhere), 44.1 kHz stereo 16-bit:
#   speech  band-limited noise in syllable-long bursts, with short gaps between
#           syllables and longer pauses between phrases, the same on both sides
#   music   a few tones with two overtones each, a chord that changes every two
#           seconds, spread left to right, over a little noise
#
# For each type and quality (wav; flac; opus, vorbis and mp3 at --quality
# speech, music and best) pacat plays the signal into a fake card and three
# recorders take that card's monitor for SECONDS, each under /usr/bin/time -v:
#   tarvell-rec   --type TYPE --quality Q --duration SECONDS
#   peer          gst-launch-1.0 -e pulsesrc ! ENCODER [! oggmux] ! filesink
#   parecord      WAV, the reference for what recording alone costs
# The 44.1 kHz recordings take Fake_Card_2, which runs at 44.1 kHz, and the
# Opus ones (48 kHz, the only rate of these that Opus holds) take Fake_Card_1,
# which runs at 48 kHz: no recorder converts the rate itself.
#
# The peer is set to what our writer asks libsndfile for: flacenc at its
# default level 5; opusenc VBR at 32, 96 and 160 kbit/s; vorbisenc quality 0.3,
# 0.5 and 0.8; lamemp3enc VBR V8, V4.5 and V1; wavenc for WAV. A GStreamer
# element that is not installed shows "n/a" (gst-launch-1.0 and gst-inspect-1.0
# are in the package gstreamer1.0-tools, the elements in
# gstreamer1.0-plugins-base and -good).
#
# Sizes are in KiB for SECONDS of sound; CPU is user+sys scaled to an hour of
# recording (CPU seconds x 3600 / SECONDS), start-up included. tarvell-rec
# counts SECONDS from the moment its stream is ready, parecord and the peer
# from their launch (they are stopped with SIGINT then), so their files can be
# a little shorter.
#
# The recorder is $TARVELL_BUILD_DIR/cli/tarvell-rec (default: build/ in the
# repository); this script does not build it.
# KEEP=1 keeps the temporary folder (signals, recordings, time reports).
# Figures are printed, never judged: the exit status only says whether the
# benchmark itself ran.
set -euo pipefail

seconds=${1:-60}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
  echo "usage: $0 [SECONDS]   (a whole number of seconds, at least 1)" >&2
  exit 2
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
build=${TARVELL_BUILD_DIR:-$root/build}
tool=$build/cli/tarvell-rec
signal_rate=44100
channels=2
lead=1        # seconds the player runs before the recorders start
qualities=(speech music best)

for cmd in pulseaudio pactl pacat parecord python3 /usr/bin/time; do
  command -v "$cmd" >/dev/null || { echo "missing: $cmd" >&2; exit 1; }
done
if [ ! -x "$tool" ]; then
  echo "tarvell-rec is not built at $tool" >&2
  echo "(cmake --build \"$build\" --target tarvell-rec)" >&2
  exit 1
fi

# ---------------------------------------------------------------- the peer's elements
have_gst=no
if command -v gst-launch-1.0 >/dev/null && command -v gst-inspect-1.0 >/dev/null; then
  have_gst=yes
fi
has_element() {   # NAME...: true when every element is installed
  [ "$have_gst" = yes ] || return 1
  local e
  for e in "$@"; do
    gst-inspect-1.0 --exists "$e" 2>/dev/null || return 1
  done
}

# The peer's pipeline after the source and its caps, for a type and quality;
# empty when one of its elements is missing.
peer_pipeline() {   # TYPE QUALITY OUT
  local type=$1 quality=$2 out=$3 enc needs b q
  case $type in
  wav) needs=(wavenc filesink); enc="wavenc" ;;
  flac) needs=(flacenc filesink); enc="flacenc quality=5" ;;
  opus)
    needs=(opusenc oggmux filesink)
    case $quality in speech) b=32000 ;; music) b=96000 ;; best) b=160000 ;; esac
    enc="opusenc bitrate=$b bitrate-type=vbr ! oggmux"
    ;;
  vorbis)
    needs=(audioconvert vorbisenc oggmux filesink)
    case $quality in speech) q=0.3 ;; music) q=0.5 ;; best) q=0.8 ;; esac
    enc="audioconvert ! vorbisenc quality=$q ! oggmux"
    ;;
  mp3)
    needs=(lamemp3enc filesink)
    case $quality in speech) q=8 ;; music) q=4.5 ;; best) q=1 ;; esac
    enc="lamemp3enc target=quality quality=$q"
    ;;
  esac
  has_element pulsesrc "${needs[@]}" || return 0
  echo "$enc ! filesink location=$out"
}

# ---------------------------------------------------------------- sound server
work=$(mktemp -d /tmp/tarvell-bench.XXXXXX)
runtime=$work/pa
player_pid=
running_pids=()

cleanup() {
  local rc=$? p
  for p in "${running_pids[@]}"; do   # the recorders first, then time(1) above them
    pkill -TERM -P "$p" 2>/dev/null || true
    kill -TERM "$p" 2>/dev/null || true
  done
  if [ -n "$player_pid" ]; then
    kill -TERM "$player_pid" 2>/dev/null || true
    wait "$player_pid" 2>/dev/null || true
  fi
  "$root/scripts/sound-server.sh" stop "$runtime" || true
  if [ "${KEEP:-0}" = 1 ]; then
    echo "kept: $work" >&2
  else
    rm -rf "$work"
  fi
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

"$root/scripts/sound-server.sh" start "$runtime" >/dev/null
export XDG_RUNTIME_DIR=$runtime
unset PULSE_SERVER
export QT_QPA_PLATFORM=offscreen   # tarvell-rec opens no window; this only keeps Qt quiet
export XDG_STATE_HOME=$work/state  # its writer's journal, kept out of the user's folder
mkdir -p "$XDG_STATE_HOME"
# GStreamer scans its plugins on its first run: not in a measured one.
if [ "$have_gst" = yes ]; then gst-inspect-1.0 pulsesrc >/dev/null 2>&1 || true; fi

# ---------------------------------------------------------------- signals
play_seconds=$((lead + seconds + 5))
python3 - "$work" "$play_seconds" "$signal_rate" <<'EOF'
import math, random, sys
from array import array

work, secs, rate = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
frames = secs * rate
assert sys.byteorder == "little"

def bandpass(lo, hi):
    """Coefficients of a second-order band-pass (RBJ, constant peak gain)."""
    f0 = math.sqrt(lo * hi)
    q = f0 / (hi - lo)
    w = 2 * math.pi * f0 / rate
    alpha = math.sin(w) / (2 * q)
    a0 = 1 + alpha
    return (alpha / a0, 0.0, -alpha / a0, -2 * math.cos(w) / a0, (1 - alpha) / a0)

def speech(seed=1):
    rnd = random.Random(seed)
    # Two formant-like bands of noise, 300-900 Hz and 1.2-3.4 kHz.
    bands = [(bandpass(300, 900), 1.0), (bandpass(1200, 3400), 0.5)]
    env = [0.0] * frames
    pos = int(0.2 * rate)
    while pos < frames:
        for _ in range(rnd.randint(3, 8)):                 # a phrase of syllables
            n = int(rnd.uniform(0.08, 0.25) * rate)
            amp = rnd.uniform(0.3, 1.0)
            for i in range(min(n, frames - pos)):
                env[pos + i] = amp * math.sin(math.pi * i / n)
            pos += n + int(rnd.uniform(0.04, 0.12) * rate)
            if pos >= frames:
                break
        pos += int(rnd.uniform(0.4, 1.2) * rate)            # the pause between phrases
    noise = [rnd.random() * 2 - 1 for _ in range(frames)]
    out = [0.0] * frames
    for (b0, b1, b2, a1, a2), gain in bands:
        x1 = x2 = y1 = y2 = 0.0
        for i, x in enumerate(noise):
            y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
            x2, x1, y2, y1 = x1, x, y1, y
            out[i] += gain * y
    peak = max(abs(v) for v in out) or 1.0
    scale = 0.5 * 32767 / peak
    samples = array("h", bytes(2 * channels_total(frames)))
    for i in range(frames):
        s = int(out[i] * env[i] * scale)
        samples[2 * i] = s
        samples[2 * i + 1] = s
    return samples

def channels_total(n):
    return 2 * n

def music(seed=2):
    rnd = random.Random(seed)
    chords = [(220.0, 277.18, 329.63), (196.0, 246.94, 293.66),
              (174.61, 220.0, 261.63), (164.81, 207.65, 246.94)]
    pans = (0.2, 0.5, 0.8)
    left = [0.0] * frames
    right = [0.0] * frames
    seg = 2 * rate
    for start in range(0, frames, seg):
        n = min(seg, frames - start)
        chord = chords[(start // seg) % len(chords)]
        for f, pan in zip(chord, pans):
            for k, a in ((1, 1.0), (2, 0.4), (3, 0.2)):
                w = 2 * math.pi * f * k / rate
                ph = rnd.uniform(0, 2 * math.pi)
                wave = [a * math.sin(ph + w * i) for i in range(n)]
                gl, gr = math.cos(pan * math.pi / 2), math.sin(pan * math.pi / 2)
                for i, v in enumerate(wave):
                    left[start + i] += gl * v
                    right[start + i] += gr * v
    samples = array("h", bytes(2 * channels_total(frames)))
    peak = max(max(abs(v) for v in left), max(abs(v) for v in right)) or 1.0
    scale = 0.45 * 32767 / peak
    noise = 0.02 * 32767
    for i in range(frames):
        fade = min(1.0, i / (0.05 * rate))
        samples[2 * i] = int(left[i] * scale * fade + (rnd.random() * 2 - 1) * noise)
        samples[2 * i + 1] = int(right[i] * scale * fade + (rnd.random() * 2 - 1) * noise)
    return samples

for name, make in (("speech", speech), ("music", music)):
    with open(f"{work}/{name}.raw", "wb") as f:
        make().tofile(f)
EOF

# ---------------------------------------------------------------- one row
clk() { local t=${EPOCHREALTIME/[.,]/}; echo $((10#$t)); }   # microseconds, no fork
child_of() {   # PID: its first child, waited for up to two seconds
  local child=
  for _ in $(seq 200); do
    child=$(pgrep -P "$1" || true)
    [ -n "$child" ] && break
    sleep 0.01
  done
  echo "$child"
}
cpu_of() {   # TIME-REPORT: user+sys seconds
  awk -F': ' '/User time \(seconds\)|System time \(seconds\)/{s+=$2} END{printf "%.3f", s}' "$1"
}
size_of() { stat -c %s "$1" 2>/dev/null || echo 0; }

results=$work/results.tsv
: >"$results"
failures=0

# Records one type and quality of one signal with all three; appends a line
# SIGNAL TYPE QUALITY OURS-BYTES OURS-CPU PEER-BYTES PEER-CPU PARECORD-CPU.
run_row() {   # SIGNAL TYPE QUALITY
  local signal=$1 type=$2 quality=$3 rate sink ext tag peer
  if [ "$type" = opus ]; then
    rate=48000 sink=card1
  else
    rate=$signal_rate sink=card2
  fi
  local line="Stereo Mix (Fake_Card_${sink#card})" monitor=$sink.monitor
  case $type in vorbis) ext=ogg ;; *) ext=$type ;; esac
  tag=$signal-$type${quality:+-$quality}
  local d=$work/$tag
  mkdir -p "$d"

  pacat --playback --device=$sink --raw --rate=$signal_rate --channels=$channels --format=s16le \
    --stream-name=bench-signal "$work/$signal.raw" &
  player_pid=$!
  sleep "$lead"
  kill -0 "$player_pid" 2>/dev/null || { echo "the player did not start" >&2; exit 1; }

  local ours_args=(--line "$line" --duration "$seconds" --rate "$rate" --channels "$channels"
                   --bits 16 --type "$type")
  [ -n "$quality" ] && ours_args+=(--quality "$quality")
  peer=$(peer_pipeline "$type" "$quality" "$d/peer.$ext")

  local t0 ours_time pa_time peer_time=
  t0=$(clk)
  /usr/bin/time -v -o "$d/ours.time" "$tool" "${ours_args[@]}" "$d/ours.$ext" \
    >"$d/ours.out" 2>"$d/ours.err" &
  ours_time=$!
  /usr/bin/time -v -o "$d/parecord.time" \
    parecord --latency-msec=50 --device="$monitor" --rate="$rate" --channels=$channels \
    --format=s16le --file-format=wav "$d/parecord.wav" 2>"$d/parecord.err" &
  pa_time=$!
  if [ -n "$peer" ]; then
    # shellcheck disable=SC2086   # the pipeline is words for gst-launch
    /usr/bin/time -v -o "$d/peer.time" \
      gst-launch-1.0 -q -e pulsesrc device="$monitor" client-name=bench-peer \
      ! "audio/x-raw,format=S16LE,rate=$rate,channels=$channels" ! $peer \
      >"$d/peer.out" 2>"$d/peer.err" &
    peer_time=$!
  fi
  running_pids=("$ours_time" "$pa_time" ${peer_time:+"$peer_time"})
  local pa_pid peer_pid=
  pa_pid=$(child_of "$pa_time")
  [ -n "$peer_time" ] && peer_pid=$(child_of "$peer_time")
  local left_us=$(( seconds * 1000000 - ($(clk) - t0) ))
  if [ "$left_us" -gt 0 ]; then
    # In the background, so that SIGTERM to this script is handled at once.
    sleep "$((left_us / 1000000)).$(printf %06d $((left_us % 1000000)))" &
    wait $!
  fi
  # /usr/bin/time ignores SIGINT itself: it goes to the recorder, its child.
  # parecord completes its WAV header on it, gst-launch -e sends end-of-stream.
  if [ -n "$pa_pid" ]; then kill -INT "$pa_pid" 2>/dev/null || true; fi
  if [ -n "$peer_pid" ]; then kill -INT "$peer_pid" 2>/dev/null || true; fi

  local ours_cpu=failed ours_size=failed pa_cpu=failed peer_cpu=n/a peer_size=n/a
  if wait "$ours_time"; then
    ours_cpu=$(cpu_of "$d/ours.time") ours_size=$(size_of "$d/ours.$ext")
  else
    echo "tarvell-rec failed ($tag):" >&2
    cat "$d/ours.err" >&2
    failures=$((failures + 1))
  fi
  if wait "$pa_time"; then
    pa_cpu=$(cpu_of "$d/parecord.time")
  else
    echo "parecord failed ($tag):" >&2
    cat "$d/parecord.err" >&2
    failures=$((failures + 1))
  fi
  if [ -n "$peer_time" ]; then
    if wait "$peer_time"; then
      peer_cpu=$(cpu_of "$d/peer.time") peer_size=$(size_of "$d/peer.$ext")
    else
      echo "gst-launch-1.0 failed ($tag):" >&2
      cat "$d/peer.err" "$d/peer.out" >&2
      peer_cpu=failed peer_size=failed
      failures=$((failures + 1))
    fi
  fi
  running_pids=()
  if grep -q . "$d/ours.err"; then
    echo "tarvell-rec said ($tag):" >&2
    cat "$d/ours.err" >&2
  fi

  local player_alive=yes
  kill -0 "$player_pid" 2>/dev/null || player_alive=no
  kill -TERM "$player_pid" 2>/dev/null || true
  wait "$player_pid" 2>/dev/null || true
  player_pid=
  [ "$player_alive" = yes ] || echo "the player had stopped before the end of $tag" >&2

  printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$signal" "$type" "${quality:--}" \
    "$ours_size" "$ours_cpu" "$peer_size" "$peer_cpu" "$pa_cpu" >>"$results"
}

for signal in speech music; do
  echo "recording the $signal signal: 11 runs of $seconds s" >&2
  run_row "$signal" wav ""
  run_row "$signal" flac ""
  for type in opus vorbis mp3; do
    for q in "${qualities[@]}"; do
      run_row "$signal" "$type" "$q"
    done
  done
done

# ---------------------------------------------------------------- tables
python3 - "$results" "$seconds" "$have_gst" <<'EOF'
import sys

path, seconds, have_gst = sys.argv[1], int(sys.argv[2]), sys.argv[3]
rows = [line.rstrip("\n").split("\t") for line in open(path) if line.strip()]

def size(v):
    return v if not v.isdigit() else f"{int(v) / 1024:.0f}"

def per_hour(v):
    try:
        return f"{float(v) * 3600 / seconds:.0f}"
    except ValueError:
        return v

head = ("type", "quality", "tarvell-rec KiB", "tarvell-rec CPU s/h",
        "peer KiB", "peer CPU s/h", "parecord WAV CPU s/h")
for signal, what in (("speech", "speech-like"), ("music", "music-like")):
    table = [head] + [(t, q, size(os_), per_hour(oc), size(ps), per_hour(pc), per_hour(ac))
                      for s, t, q, os_, oc, ps, pc, ac in rows if s == signal]
    w = [max(len(r[i]) for r in table) for i in range(len(head))]
    print(f"{what} signal, {seconds} s at 44.1 kHz stereo 16-bit (Opus recorded at 48 kHz);"
          f" CPU user+sys per hour recorded")
    for r in table:
        print(f"{r[0]:<{w[0]}}  {r[1]:<{w[1]}}  " + "  ".join(f"{c:>{w[i + 2]}}" for i, c in enumerate(r[2:])))
    print()
print("peer: gst-launch-1.0 -e pulsesrc ! wavenc | flacenc quality=5 | opusenc bitrate=32000|96000|160000"
      " bitrate-type=vbr ! oggmux | audioconvert ! vorbisenc quality=0.3|0.5|0.8 ! oggmux"
      " | lamemp3enc target=quality quality=8|4.5|1 ! filesink")
print("parecord: --latency-msec=50 --file-format=wav, recording the same monitor at the same time")
if have_gst != "yes":
    print("gst-launch-1.0 or gst-inspect-1.0 is not installed (package gstreamer1.0-tools): no peer figures")
EOF

[ "$failures" -eq 0 ] || { echo "$failures recorder run(s) failed" >&2; exit 1; }
