#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping those already present.
# With --windows, also the cross compiler, GoogleTest's sources and wine64 that
# the Windows build and its tests need. Uses sudo only when not running as root.
set -euo pipefail
packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-image-formats-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    fonts-liberation clang clang-format libclang-rt-14-dev poppler-utils
    desktop-file-utils appstream dpkg-dev
    python3-dev pybind11-dev python3-numpy python3-pytest python3-matplotlib
)
if [ "${1:-}" = "--windows" ]; then
    packages+=(g++-mingw-w64-x86-64-posix googletest wine64)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
