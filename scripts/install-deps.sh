#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -euo pipefail

packages=(
  cmake g++ make locales
  qt6-base-dev libgl-dev          # Qt 6 Widgets and the OpenGL headers its CMake package asks for
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic            # the Japanese Gothic faces of the window and the chart
  xvfb xauth                      # a real window without a screen
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
