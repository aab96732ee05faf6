#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping those already present.
# With --windows, also the cross compiler, GoogleTest's sources and wine64 that
# the Windows build and its tests need; with --windows-app, besides those, what
# cross-building Qt and looking at the window under wine take, and a deb-src
# entry for Debian's own archive, so that apt-get source finds qt6-base.
# Uses sudo only when not running as root.
set -euo pipefail
packages=(
    cmake ninja-build g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-image-formats-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
    fonts-liberation clang clang-format libclang-rt-14-dev poppler-utils
    desktop-file-utils appstream dpkg-dev
    python3-dev pybind11-dev python3-numpy python3-pytest python3-matplotlib
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
update=""
case "${1:-}" in
--windows)
    packages+=(g++-mingw-w64-x86-64-posix googletest wine64)
    ;;
--windows-app)
    # fonts-wine: wine's own stand-ins for Windows' interface fonts (Tahoma...),
    # without which the window's text falls back on a serif face.
    packages+=(g++-mingw-w64-x86-64-posix googletest wine64 fonts-wine xvfb x11-utils xdotool
        imagemagick zip unzip perl python3 fonts-liberation)
    deb_src=/etc/apt/sources.list.d/vantiq-deb-src.sources
    if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        echo "Adding $deb_src so that apt-get source can fetch Qt's sources"
        codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
        keyring=/usr/share/keyrings/debian-archive-keyring.gpg
        printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
            "Suites: $codename $codename-updates" 'Components: main' "Signed-By: $keyring" '' \
            'Types: deb-src' 'URIs: http://deb.debian.org/debian-security' \
            "Suites: $codename-security" 'Components: main' "Signed-By: $keyring" |
            $sudo tee "$deb_src" >/dev/null
        update=yes
    fi
    ;;
esac
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    [ -z "$update" ] || $sudo apt-get update -qq
    exit 0
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
