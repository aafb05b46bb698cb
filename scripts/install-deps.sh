#!/usr/bin/env bash
# Installs the Debian packages Lyravox needs to build, run and test.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libmpv-dev libcurl4-openssl-dev libxml2-dev libcpp-httplib-dev libasound2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  curl ffmpeg sox xvfb xauth tinyproxy imagemagick x11-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
