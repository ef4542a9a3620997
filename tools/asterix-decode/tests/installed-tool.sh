#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and runs the installed asterix-decode on the
# ASTERIX samples, comparing what it writes with the expected texts.
# Arguments: <build dir> <samples dir> <expected dir>.
set -euo pipefail
build=$1
samples=$2
expected=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
tool="$prefix/bin/asterix-decode"
test -x "$tool"

failed=0
# check <name> <expected status> <arguments...>: standard output and error against <name>.out
# and <name>.err of the expected texts.
check() {
    local name=$1 status=$2
    shift 2
    local got=0
    "$tool" "$@" > "$prefix/$name.out" 2> "$prefix/$name.err" || got=$?
    if [ "$got" != "$status" ]; then
        echo "$name: exit status $got, expected $status"; failed=1
    fi
    for stream in out err; do
        if ! diff -u "$expected/$name.$stream" "$prefix/$name.$stream"; then
            echo "$name: standard $stream differs"; failed=1
        fi
    done
}

check cat048-text 0 "$samples/cat048.raw"
# Every item summary of the radar and system track captures, written before the summaries
# stopped going through printf.
check radar-text 0 "$samples/cat_034_048.pcap"
check cat062-text 0 "$samples/cat_062_065.pcap"
check radar-keywords 0 --format keywords "$samples/cat_034_048.pcap"
check radar-filter 0 --format keywords --keywords sacsic,callsign,squawk,fl --filter callsign=thy9tx "$samples/cat_034_048.pcap"
check cat001-skip 0 --skip 6 --format keywords --keywords sacsic,type,track,squawk,fl,polar "$samples/cat_001_002.pcap"
check cat021-json 0 --format json "$samples/cat21_re.ast"
check cat021-inspect 0 --inspect "$samples/cat21_re.ast"
check cat021-forced 1 --uap 21=0.26 --format keywords "$samples/cat21_re.ast"
check cat034-stdin 0 - < "$samples/cat034.raw"
check bad-option 2 --uap 21=9.9

if [ "$failed" != 0 ]; then
    exit 1
fi
echo "installed asterix-decode: every sample as expected"
