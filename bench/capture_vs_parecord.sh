#!/usr/bin/env bash
# Records the same signal with our capture (bench/capture_tool) and with
# parecord, one after the other, and compares CPU time, peak memory and
# samples lost.
#
#   bench/capture_vs_parecord.sh [SECONDS]        (default 60)
#
# Everything runs against a private sound server in a temporary folder: a
# player feeds card1 (48 kHz stereo 16-bit) for the whole run, and both
# recorders take card1's monitor for SECONDS each, under /usr/bin/time -v.
#
# The signal is a frame counter: left = low 16 bits, right = high 16 bits of
# the frame number. The null sink passes one stream at full volume through
# unchanged, so every recorded frame must be its predecessor plus one, and any
# break shows exactly how many frames went missing inside a recording.
#
# OURS=tarvell-rec measures the command-line recorder instead of capture_tool
# (the same engine, with the recorder's own writing and finishing).
# TOGETHER=1 runs parecord beside ours, at the same time, so that both meet
# the same load (the server's CPU is then given for both together).
#
# Both are built in $TARVELL_BUILD_DIR (default: build/ in the repository),
# configured first if that folder has no build yet.
# KEEP=1 keeps the temporary folder (recordings, time reports).
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
rate=48000
channels=2
line="Stereo Mix (Fake_Card_1)"
monitor=card1.monitor
lead=2        # seconds the player runs before the first recording
gap=1         # seconds between the two recordings
together=${TOGETHER:-0}

for cmd in cmake pulseaudio pacat parecord python3 /usr/bin/time; do
  command -v "$cmd" >/dev/null || { echo "missing: $cmd" >&2; exit 1; }
done

# ---------------------------------------------------------------- build
build_log=$(mktemp /tmp/tarvell-bench-build.XXXXXX)
if ! { [ -f "$build/CMakeCache.txt" ] \
       || cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; } >"$build_log" 2>&1 \
   || ! cmake --build "$build" -j2 --target capture_tool tarvell-rec >>"$build_log" 2>&1; then
  tail -n 30 "$build_log" >&2
  # The core library is shared with others who may be in the middle of a
  # change: an existing tool is still worth measuring, and the build says so.
  if [ -x "$build/bench/capture_tool" ]; then
    echo "building capture_tool failed; measuring the tool built before" >&2
  else
    rm -f "$build_log"
    echo "building capture_tool failed" >&2
    exit 1
  fi
fi
rm -f "$build_log"
ours=${OURS:-capture_tool}
case $ours in
capture_tool) tool=$build/bench/capture_tool ;;
tarvell-rec) tool=$build/cli/tarvell-rec ;;
*) echo "OURS must be capture_tool or tarvell-rec" >&2; exit 2 ;;
esac
[ -x "$tool" ] || { echo "$ours was not built at $tool" >&2; exit 1; }

# ---------------------------------------------------------------- sound server and player
work=$(mktemp -d /tmp/tarvell-bench.XXXXXX)
runtime=$work/pa
player_pid=
recorder_pid=

cleanup() {
  local rc=$?
  [ -n "$recorder_pid" ] && kill -TERM "$recorder_pid" 2>/dev/null || true
  [ -n "$parecord_pid" ] && kill -TERM "$parecord_pid" 2>/dev/null || true
  [ -n "$player_pid" ] && kill -TERM "$player_pid" 2>/dev/null || true
  [ -n "$player_pid" ] && wait "$player_pid" 2>/dev/null || true
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
export QT_QPA_PLATFORM=offscreen   # the tool opens no window; this only keeps Qt quiet
server_pid=$(cat "$runtime/pulse/pid")

# The counter signal, long enough for both recordings and every margin.
play_seconds=$((lead + 2 * seconds + gap + 15))
python3 - "$work/signal.raw" "$((play_seconds * rate))" <<'EOF'
import sys
from array import array
path, frames = sys.argv[1], int(sys.argv[2])
assert sys.byteorder == "little"
with open(path, "wb") as f:
    step = 1 << 20
    for start in range(1, frames + 1, step):   # frame number 0 would look like silence
        array("I", range(start, min(start + step, frames + 1))).tofile(f)
EOF

pacat --playback --device=card1 --raw --rate=$rate --channels=$channels --format=s16le \
  --stream-name=bench-signal "$work/signal.raw" &
player_pid=$!
sleep "$lead"
kill -0 "$player_pid" 2>/dev/null || { echo "the player did not start" >&2; exit 1; }

# CPU ticks (user+sys) the sound server has used so far.
server_ticks() { awk '{print $14 + $15}' "/proc/$server_pid/stat"; }
clk_tck=$(getconf CLK_TCK)

# ---------------------------------------------------------------- ours
# Private memory (anonymous and shared-memory pages, not the library code
# every program on the desktop shares) is sampled while a recorder runs; max
# RSS from time(1) counts those library pages as well.
private_peak() {   # PID OUT: the largest RssAnon+RssShmem in KiB until PID ends
  local pid=$1 out=$2 peak=0 now
  while now=$(awk '/^RssAnon|^RssShmem/{s+=$2} END{print s+0}' "/proc/$pid/status" 2>/dev/null) && [ -n "$now" ] \
        && [ -e "/proc/$pid" ]; do
    [ "$now" -gt "$peak" ] && peak=$now
    sleep 0.2
  done
  echo "$peak" >"$out"
}
child_of() {   # PID: its first child, waited for up to two seconds
  local child=
  for _ in $(seq 200); do
    child=$(pgrep -P "$1" || true)
    [ -n "$child" ] && break
    sleep 0.01
  done
  echo "$child"
}

# ---------------------------------------------------------------- parecord
# /usr/bin/time ignores SIGINT itself, so the signal goes to parecord, its
# child; parecord completes its WAV header when it exits on SIGINT. Its
# SECONDS count from its launch (ours from the moment the stream is ready).
now_us() { local t=${EPOCHREALTIME/[.,]/}; echo $((10#$t)); }   # microseconds, no fork
start_parecord() {
  t0=$(now_us)
  /usr/bin/time -v -o "$work/parecord.time" \
    parecord --latency-msec=50 --device=$monitor --rate=$rate --channels=$channels --format=s16le \
    --file-format=wav "$work/parecord.wav" 2>"$work/parecord.err" &
  parecord_time_pid=$!
  parecord_pid=$(child_of "$parecord_time_pid")
  [ -n "$parecord_pid" ] || { echo "parecord did not start" >&2; exit 1; }
  private_peak "$parecord_pid" "$work/parecord.private" &
  parecord_sampler_pid=$!
}
finish_parecord() {
  local left_us=$(( seconds * 1000000 - ($(now_us) - t0) ))
  if [ "$left_us" -gt 0 ]; then
    sleep "$((left_us / 1000000)).$(printf %06d $((left_us % 1000000)))"
  fi
  kill -INT "$parecord_pid"
  t1=$(now_us)
  wait "$parecord_time_pid" || { echo "parecord failed:" >&2; cat "$work/parecord.err" >&2; exit 1; }
  parecord_pid=
  wait "$parecord_sampler_pid"
}

s0=$(server_ticks)
if [ "$ours" = capture_tool ]; then
  /usr/bin/time -v -o "$work/ours.time" \
    "$tool" --line "$line" --seconds "$seconds" --rate $rate --channels $channels --bits 16 \
    --out "$work/ours.wav" >"$work/ours.out" 2>"$work/ours.err" &
else
  # Off a terminal it says nothing unless something went wrong or sound was lost.
  /usr/bin/time -v -o "$work/ours.time" \
    "$tool" --line "$line" --duration "$seconds" --rate $rate --channels $channels --bits 16 \
    "$work/ours.wav" >"$work/ours.out" 2>"$work/ours.err" &
fi
time_pid=$!
recorder_pid=$(child_of "$time_pid")
sampler_pid=
if [ -n "$recorder_pid" ]; then
  private_peak "$recorder_pid" "$work/ours.private" &
  sampler_pid=$!
fi
[ "$together" = 1 ] && start_parecord
wait "$time_pid" || { echo "$ours failed:" >&2; cat "$work/ours.err" "$work/ours.out" >&2; exit 1; }
recorder_pid=
[ -n "$sampler_pid" ] && wait "$sampler_pid"
if [ "$ours" = tarvell-rec ]; then
  # Its own count of lost sound is only ever said, not counted here; the
  # counter signal below shows every frame that went missing all the same.
  if grep -q . "$work/ours.err"; then
    echo "tarvell-rec said:" >&2
    cat "$work/ours.err" >&2
  fi
  echo "lost_frames=0 hole_frames=0 seconds=$seconds.000" >"$work/ours.out"   # it stops at exactly that
fi
s1=$(server_ticks)

if [ "$together" != 1 ]; then
  sleep "$gap"
  start_parecord
fi
finish_parecord
s2=$(server_ticks)

player_alive=yes
kill -0 "$player_pid" 2>/dev/null || player_alive=no

# ---------------------------------------------------------------- table
python3 - "$work" "$seconds" "$rate" "$player_alive" "$ours" \
  "$(( s1 - s0 ))" "$(( s2 - s1 ))" "$clk_tck" "$((t1 - t0))" "$together" <<'EOF'
import struct, sys
from array import array

work, seconds, rate, player_alive, ours = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5]
srv_ours, srv_pa, clk_tck, pa_wall = int(sys.argv[6]), int(sys.argv[7]), int(sys.argv[8]), int(sys.argv[9]) / 1e6
together = sys.argv[10] == "1"
expected = seconds * rate

def time_report(path):
    r = {}
    for line in open(path):
        key, _, value = line.strip().rpartition(": ")
        r[key] = value
    cpu = float(r["User time (seconds)"]) + float(r["System time (seconds)"])
    return cpu, int(r["Maximum resident set size (kbytes)"]) / 1024.0

def read_wav(path):
    """Frames by the header, frames present, and the samples (2 ch 16-bit only)."""
    data = open(path, "rb").read()
    if data[:4] not in (b"RIFF", b"RF64") or data[8:12] != b"WAVE":
        raise SystemExit(f"{path}: not a WAV file")
    pos, fmt, ds64_data = 12, None, None
    while pos + 8 <= len(data):
        cid, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        body = pos + 8
        if cid == b"ds64":
            ds64_data = struct.unpack_from("<Q", data, body + 8)[0]
        elif cid == b"fmt ":
            tag, ch, sr, _, align, bits = struct.unpack_from("<HHIIHH", data, body)
            fmt = (ch, sr, bits, align)
        elif cid == b"data":
            if size == 0xFFFFFFFF and ds64_data is not None:
                size = ds64_data
            present = data[body:]
            ch, sr, bits, align = fmt
            if (ch, sr, bits) != (2, rate, 16):
                raise SystemExit(f"{path}: recorded as {ch} ch {sr} Hz {bits} bit")
            header_frames = size // align
            present_frames = len(present) // align
            samples = array("I")
            samples.frombytes(present[:min(size, len(present)) // 4 * 4])
            return header_frames, present_frames, samples
        pos = body + size + (size & 1)
    raise SystemExit(f"{path}: no data chunk")

def continuity(samples):
    """(frames missing inside, frames out of order) for the frame-counter signal."""
    n = len(samples)
    if n == 0:
        return None, None
    first = samples[0]
    if samples == array("I", range(first, first + n)):
        return 0, 0
    missing = disorder = 0
    prev = first
    for v in samples[1:]:
        d = (v - prev) & 0xFFFFFFFF
        if d == 1:
            pass
        elif 1 < d < (1 << 31):
            missing += d - 1
        else:
            disorder += 1          # silence, a repeat or a jump back: not the counter any more
        prev = v
    if disorder > n // 2:
        return None, None          # not the counter at all: the path is not bit-exact
    return missing, disorder

ours_cpu, ours_rss = time_report(f"{work}/ours.time")
pa_cpu, pa_rss = time_report(f"{work}/parecord.time")
tool = dict(kv.split("=", 1) for kv in open(f"{work}/ours.out").read().split())
def private(path):
    try:
        return int(open(path).read()) / 1024.0
    except (OSError, ValueError):
        return 0.0
ours_priv, pa_priv = private(f"{work}/ours.private"), private(f"{work}/parecord.private")
o_hdr, o_frames, o_samples = read_wav(f"{work}/ours.wav")
p_hdr, p_frames, p_samples = read_wav(f"{work}/parecord.wav")
o_gap, o_bad = continuity(o_samples)
p_gap, p_bad = continuity(p_samples)

def ratio(a, b):
    return f"{a / b:.2f}" if b > 0 else "n/a"

def show(v):
    return "n/a" if v is None else str(v)

rows = [
    ("CPU user+sys (s)", f"{ours_cpu:.2f}", f"{pa_cpu:.2f}", ratio(ours_cpu, pa_cpu)),
    ("peak memory, max RSS (MiB)", f"{ours_rss:.1f}", f"{pa_rss:.1f}", ratio(ours_rss, pa_rss)),
    ("peak private memory, anon+shm (MiB)", f"{ours_priv:.1f}", f"{pa_priv:.1f}", ratio(ours_priv, pa_priv)),
    ("recording time (s)", tool["seconds"], f"{pa_wall:.3f}", ""),
    ("expected frames", str(expected), str(expected), ""),
    ("frames in file", str(o_frames), str(p_frames), ""),
    ("frames short of expected", str(expected - o_frames), str(expected - p_frames), ""),
    ("header frames = file frames", "yes" if o_hdr == o_frames else f"no ({o_hdr})",
     "yes" if p_hdr == p_frames else f"no ({p_hdr})", ""),
    ("lost frames (recorder's own count)", tool["lost_frames"], "n/a", ""),
    ("hole frames (recorder's own count)", tool["hole_frames"], "n/a", ""),
    ("frames missing inside the signal", show(o_gap), show(p_gap), ""),
    ("breaks in the signal", show(o_bad), show(p_bad), ""),
    ("sound server CPU during both (s)", f"{(srv_ours + srv_pa) / clk_tck:.2f}", "", "") if together else
    ("sound server CPU during it (s)", f"{srv_ours / clk_tck:.2f}", f"{srv_pa / clk_tck:.2f}",
     ratio(srv_ours, srv_pa)),
]
w0 = max(len(r[0]) for r in rows)
w = [max(len(r[i]) for r in rows + [("", "ours", "parecord", "ours/parecord")]) for i in range(1, 4)]
print(f"{ours} vs parecord --latency-msec=50: {seconds} s of card1's monitor, {rate} Hz stereo 16-bit,"
      f" {'at the same time' if together else 'one after the other'}")
print(f"{'':<{w0}}  {'ours':>{w[0]}}  {'parecord':>{w[1]}}  {'ours/parecord':>{w[2]}}")
for r in rows:
    print(f"{r[0]:<{w0}}  {r[1]:>{w[0]}}  {r[2]:>{w[1]}}  {r[3]:>{w[2]}}")

ours_lost = int(tool["lost_frames"]) + int(tool["hole_frames"]) + (o_gap or 0) + (o_bad or 0)
print()
print(f"CPU target ours <= 1.0x parecord: {ratio(ours_cpu, pa_cpu)}x"
      f" -> {'met' if pa_cpu > 0 and ours_cpu <= 1.0 * pa_cpu else 'NOT met'}")
print(f"memory target ours <= 1.5x parecord (max RSS): {ratio(ours_rss, pa_rss)}x"
      f" -> {'met' if pa_rss > 0 and ours_rss <= 1.5 * pa_rss else 'NOT met'}"
      f"; private memory {ratio(ours_priv, pa_priv)}x")
print(f"no samples lost (ours): {'met' if ours_lost == 0 and o_gap is not None else 'NOT met'}"
      f" (recorder count {int(tool['lost_frames']) + int(tool['hole_frames'])}, inside the signal {show(o_gap)})")
print("frames short of expected: a negative number is sound the server already held when the recording")
print("started; parecord drops what is still in flight when it gets SIGINT.")
if player_alive != "yes":
    print("WARNING: the player had stopped before the end; the figures above are not trustworthy.")
EOF
