#!/usr/bin/env bash
# build-qt-windows.sh [--cached]: cross-compiles the part of Qt that the window
# program needs (Core, Gui, Widgets, PrintSupport, the Windows and offscreen
# platforms, the Windows style and the GIF, ICO and JPEG image plugins) for
# 64-bit Windows from Debian's qt6-base source package, the version of the
# host's Qt, whose moc, rcc and uic it uses. It installs into a cache outside
# the build folder that later builds reuse, and prints that folder's path last.
# A clean build takes 25 minutes on two idle cores, and about 0.8 GB of memory;
# the install is about 80 MB. A build that was stopped goes on where it
# stopped. With --cached it only tells whether the cache is there and
# complete: it prints the path, or fails.
#
# VANTIQ_QT_CACHE  where the caches live (default ~/.cache/vantiq)
# VANTIQ_QT_WORK   where the sources are unpacked and built (default build/windows-qt)
# JOBS             parallel compile jobs (default: the number of cores)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${version#*:}
upstream=${upstream%%[+~-]*}
cache=${VANTIQ_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vantiq}
prefix=$cache/qt-$upstream-mingw-w64
work=${VANTIQ_QT_WORK:-$root/build/windows-qt}
jobs=${JOBS:-$(nproc)}
patch=$root/packaging/windows/qt-windows-without-wintab.patch
compilers=$root/cmake/mingw-w64-compilers.cmake
multiarch=$(gcc -print-multiarch)

# The installed qt.toolchain.cmake names the toolchain file by its path, so it
# lives in the cache beside what it built.
toolchain=$prefix/mingw-w64-compilers.cmake

options=(
    -G Ninja
    -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DCMAKE_INSTALL_PREFIX="$prefix"
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake"
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
    -DFEATURE_vulkan=OFF
    # FEATURE_opengl=OFF alone leaves dynamic OpenGL code in the Windows
    # plugin, which then does not compile.
    -DINPUT_opengl=no -DFEATURE_opengl=OFF
    # With DirectWrite, Qt6PrintSupport.dll and qwindows.dll do not link
    # (6.4.2 with mingw-w64); fonts are then drawn through GDI.
    -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_direct2d1_1=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
)

# What the cache was built from: a change to any of it builds Qt again.
fingerprint=$( {
    echo "qt6-base $version"
    printf '%s\n' "${options[@]}"
    cat "$patch" "$compilers"
} | sha256sum | cut -d' ' -f1)
source_dir=$work/qt6-base-$version

# The LGPL's texts, the notices of the libraries built into Qt's DLLs, and
# where Qt's sources are, for the Windows package to ship.
collect_licences() {
    local out=$prefix/licenses
    rm -rf "$out"
    mkdir -p "$out/third-party"
    cp "$source_dir"/LICENSES/{LGPL-3.0-only,GPL-3.0-only}.txt "$out/"
    cp "$patch" "$out/"
    printf '%s\n' "Qt $upstream (Core, Gui, Widgets, PrintSupport and plugins) is used under the" \
        "GNU LGPL version 3 (LGPL-3.0-only.txt, which builds on GPL-3.0-only.txt)." \
        "It was built from Debian's qt6-base source package, version $version" \
        "(apt-get source qt6-base=$version, or https://sources.debian.org/src/qt6-base/)," \
        "with $(basename "$patch") applied; third-party/ holds the notices of the" \
        "libraries built into it." >"$out/Qt.txt"
    (cd "$source_dir/src" && python3 - "$out/third-party" <<'PY'
import json, os, shutil, sys
out = sys.argv[1]
parts = ["3rdparty/" + d for d in ("zlib", "libpng", "libjpeg", "freetype", "harfbuzz-ng",
         "pcre2", "double-conversion", "md4c", "easing", "tinycbor", "sha1", "sha3", "md4",
         "md5", "rfc6234", "blake2", "icc")]
parts += ["corelib/kernel", "corelib/text", "corelib/tools", "gui/painting", "gui/text"]
with open(os.path.join(out, "README.txt"), "w") as index:
    for part in parts:
        with open(os.path.join(part, "qt_attribution.json")) as f:
            entries = json.load(f, strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            index.write("%s %s: %s, %s\n" % (entry["Name"], entry.get("Version", ""),
                                            entry["License"], entry.get("Copyright", "").strip()))
            for name in entry.get("LicenseFile", "").split():
                target = "%s-%s" % (entry["Id"], os.path.basename(name))
                shutil.copy(os.path.join(part, name), os.path.join(out, target))
PY
    )
}

stamp=$prefix/vantiq-qt-build.txt
if [ -f "$stamp" ] && grep -qx "fingerprint $fingerprint" "$stamp"; then
    if [ ! -d "$prefix/licenses" ] && [ -d "$source_dir" ]; then
        collect_licences
    fi
    if [ -d "$prefix/licenses" ]; then
        echo "$prefix"
        exit 0
    fi
fi
[ "${1:-}" != "--cached" ] || exit 1

echo "Building Qt $version for Windows into $prefix (25 to 60 minutes)" >&2
started=$(date +%s)
rm -rf "$prefix"
mkdir -p "$prefix" "$work"
cp "$compilers" "$toolchain"

if [ ! -f "$source_dir/.vantiq-patched" ]; then
    rm -rf "$source_dir"
    (cd "$work" && apt-get source --download-only "qt6-base=$version" >&2)
    dpkg-source --no-check -x "$work/qt6-base_${version#*:}.dsc" "$source_dir" >"$work/unpack.log" 2>&1
    patch -d "$source_dir" -p1 --forward <"$patch" >&2
    touch "$source_dir/.vantiq-patched"
fi

# A build that was stopped goes on where it stopped, when its configuration
# is still the one asked for.
build_dir=$work/build
if ! grep -qsx "$fingerprint" "$build_dir/vantiq-fingerprint"; then
    rm -rf "$build_dir"
    cmake -S "$source_dir" -B "$build_dir" "${options[@]}" >"$work/configure.log" 2>&1 || {
        tail -n 40 "$work/configure.log" >&2
        echo "Qt's configuration failed; the whole log is $work/configure.log" >&2
        exit 1
    }
    echo "$fingerprint" >"$build_dir/vantiq-fingerprint"
fi
cmake --build "$build_dir" -j "$jobs" >&2
cmake --install "$build_dir" >"$work/install.log"
collect_licences

{
    echo "qt6-base $version, built $(date -u '+%Y-%m-%d %H:%M UTC') in $(($(date +%s) - started)) s"
    echo "fingerprint $fingerprint"
} >"$stamp"
echo "Qt for Windows is in $prefix ($(du -sh "$prefix" | cut -f1))" >&2
echo "$prefix"
