#!/usr/bin/env bash
# Installs everything the project needs to build, test and run, from Debian's archive.
# Idempotent: packages already present are left as they are, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake pkg-config make
  clang libclang-rt-14-dev
  # Qt 5: Core, Gui, Widgets, Network, SerialPort, Sql (+ SQLite driver), Positioning, translations
  qtbase5-dev qtbase5-dev-tools libqt5serialport5-dev libqt5sql5-sqlite
  qtpositioning5-dev qttools5-dev qttools5-dev-tools
  # SVG icons (the icon engine plugin) and the fonts the window names
  libqt5svg5-dev fonts-dejavu-core fonts-wqy-microhei qttranslations5-l10n
  # JSON parsing
  rapidjson-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  # a real serial line for the input tests (pseudo-terminal pair), a real ASTERIX peer decoder
  socat tshark
  # reference data: countries and flags
  iso-codes famfamfam-flag-png sqlite3
  # gzip reading in the aviation database build tool
  zlib1g-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
