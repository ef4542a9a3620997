#!/usr/bin/env bash
# Measures the whole program under a busy feed: veltmar on an X server (Xvfb), pinned to one
# core, reading Mode-S Beast over TCP from veltmar-feed, which replays a pre-generated scene of
# 500 aircraft from the other core at a fixed rate. All views are live (the Mode-S message list
# is the page shown, the costliest), ASTERIX and CSV go out once a second.
#
# For each rate it reports whether the program kept up — every reply sent was decoded by the
# end, and the event loop stayed responsive (99th percentile of a 10 ms timer's lateness under
# 50 ms) — with the CPU time per reply.
#
# Usage: bench/app/measure-throughput.sh [build dir] [seconds per run] [rates...]
#   e.g. bench/app/measure-throughput.sh build 60 5000 10000 20000 30000
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
seconds=${2:-60}
shift 2 || true
rates=("$@")
[ ${#rates[@]} -gt 0 ] || rates=(5000 10000 20000 30000 40000)
bin=$(cd "$build/bin" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"; kill $(jobs -p) 2>/dev/null || true' EXIT

# 500 aircraft transmit some 3,000 replies per second of scene time: make the scene long enough
# for the highest rate to last the whole run.
max_rate=0
for rate in "${rates[@]}"; do [ "$rate" -gt "$max_rate" ] && max_rate=$rate; done
stream="$work/scene500.beast"
"$bin/veltmar-feed" --scene 500 --duration $((seconds * max_rate / 3000 + 60)) --fast --quiet --seed 7 \
    --start-time 2026-01-01T00:00:00Z --out "$stream"
echo "stream: $(stat -c %s "$stream") bytes of 500 aircraft, enough for ${max_rate} replies/s over ${seconds} s"

port=$((31000 + RANDOM % 1000))
printf "%8s %10s %10s %9s %9s %9s %12s %s\n" rate sent decoded p50_ms p99_ms max_ms cpu_us/reply verdict
for rate in "${rates[@]}"; do
    ini="$work/measure.ini"
    cat > "$ini" <<INI
[General]
inputProtocol=1
inputFormat=1
inputTcpServerAddress=127.0.0.1
inputTcpServerPort=$port
asterixTargetReportsOutput=true
asterixCat21Version=240
asterixUdpMulticast=false
asterixUdpChannel1=true
asterixUdpAddress1=127.0.0.1
asterixUdpPort1=$((port + 1))
csvTargetReportsOutput=true
csvUdpOutput=true
csvUdpAddress=127.0.0.1
csvUdpPort=$((port + 2))
noUpdatedTargetDeletionTime=30000

[UI]
INI
    taskset -c 1 "$bin/veltmar-feed" --replay "$stream" --tcp "$port" --rate "$rate" \
        --wait-client --max-backlog 1048576 > "$work/feed.out" 2>&1 &
    feed=$!
    # The feed stops after `frames` frames: --duration is stream time, so limit by killing
    # it when the run's time is up; the program runs a little longer to drain its backlog.
    (cd "$bin" && QT_QPA_PLATFORM=xcb taskset -c 0 xvfb-run -a -s "-screen 0 1400x900x24" \
        ./veltmar --config "$ini" --start --quit-after $((seconds + 5)) \
        --measure "$work/m.json" > "$work/veltmar.out" 2>&1) &
    program=$!
    sleep "$seconds"
    kill "$feed" 2>/dev/null || true
    wait "$feed" 2>/dev/null || true
    wait "$program" || true
    # The feed's own count of what it sent, in its closing line.
    sent=$(grep -o 'sent [0-9]* frames' "$work/feed.out" | awk '{print $2}')
    python3 - "$work/m.json" "$rate" "${sent:-0}" <<'PY'
import json, sys
m = json.load(open(sys.argv[1])); rate = int(sys.argv[2]); sent = int(sys.argv[3])
decoded = int(m["decodedReplies"])
cpu = m["cpuSeconds"] / max(decoded, 1) * 1e6
ok = sent > 0 and decoded >= sent and m["latenessP99Ms"] < 50
print("%8d %10d %10d %9.1f %9.1f %9.1f %12.1f %s" % (rate, sent, decoded, m["latenessP50Ms"],
      m["latenessP99Ms"], m["latenessMaxMs"], cpu, "kept up" if ok else "FELL BEHIND"))
PY
    port=$((port + 10))
done
