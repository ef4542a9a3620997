#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and builds and runs a tiny outside program
# against it through pkg-config. Arguments: <build dir> <c++ compiler>.
set -euo pipefail
build=$1
cxx=${2:-c++}
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
libdir=$(find "$prefix" -name modes.pc -printf '%h\n' | head -n 1)
export PKG_CONFIG_PATH="$libdir"
test -f "$prefix/include/modes/modes.h"
"$cxx" -std=c++17 "$here/main.cpp" -o "$prefix/check" $(pkg-config --cflags --libs modes)
LD_LIBRARY_PATH="$(pkg-config --variable=libdir modes)" "$prefix/check"
