#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need.
# Checks with dpkg first, so a second run costs nothing.
#   scripts/deps.sh         what the program and its tests need
#   scripts/deps.sh fuzz    that, and clang with libFuzzer for scripts/fuzz
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  xvfb xauth
  libminiupnpc-dev libnatpmp-dev qt6-charts-dev libqt6opengl6-dev
  miniupnpd nftables iproute2
  python3-pyatspi at-spi2-core dbus-daemon dbus-x11
  libstrophe-dev qtkeychain-qt6-dev prosody lua-sec openssl
)
if [ "${1:-}" = "fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
