#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing zuk need.
# Idempotent: asks apt only for what is missing and says nothing when all is present.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang clang-format libclang-rt-14-dev
  # libraries
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev libgl-dev libegl-dev
  libmpv-dev libgtest-dev libgmock-dev libbenchmark-dev
  # running and testing under a virtual display
  xvfb xauth xdotool x11-utils imagemagick fonts-noto-cjk libgl1-mesa-dri
  # the system's table of file types (/etc/mime.types), which bindra links from
  media-types
  # test media, the reference player for benchmarks, timing
  ffmpeg mpv hyperfine
  # remaking the tagged media fixtures of tests/playback
  lame id3tool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run this script as root (or with sudo) to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
