#!/usr/bin/env bash
# The program's main job, for a newcomer: the simulated demonstration scene served by
# veltmar-feed (Mode-S Beast on TCP port 31005) and veltmar reading it with the demonstration
# configuration, processing from the start. The feed stops when the window closes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin="$build/bin"
if [ ! -x "$bin/veltmar" ]; then
    echo "The veltmar program is not built in $build." >&2
    exit 1
fi
feed_pid=""
stop_feed() { [ -n "$feed_pid" ] && kill "$feed_pid" 2>/dev/null || true; }
trap stop_feed EXIT
if [ -x "$bin/veltmar-feed" ]; then
    "$bin/veltmar-feed" --demo &
    feed_pid=$!
fi
# The program looks up its translation in the working directory.
cd "$bin"
args=(--config veltmar-demo.ini --start)
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: running veltmar on a virtual X server (Xvfb); its ASTERIX and CSV output"
    echo "go to 127.0.0.1:50005 and 127.0.0.1:5555. Close it with Ctrl+C."
    xvfb-run -a -s "-screen 0 1600x1000x24" ./veltmar "${args[@]}"
else
    ./veltmar "${args[@]}"
fi
