#!/usr/bin/env bash
# package-windows-app.sh QT_PREFIX: lays out the Windows build of the window
# program and its tools as a folder a user unzips and runs vantiq.exe from,
# with the DLLs they load beside them (Qt's, the platform, style and image
# plugins, the compiler's runtime), the sample catalogue, the README, fonts
# and the licence texts, and zips it as
# build/windows-app/vantiq-<version>-windows-x64.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
qt=$1
build=$root/build/windows-app-build
sample=$root/build/dev/data/Base.tmb
mingw=x86_64-w64-mingw32

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=vantiq-$version-windows-x64
stage=$root/build/windows-app/$name
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage"/{platforms,styles,imageformats,fonts,licenses}

cp "$build"/src/gui/vantiq.exe "$build"/tools/cli/vantiq-cli.exe \
    "$build"/tools/basetool/vantiq-basetool.exe "$stage/"
# The tools draw on the offscreen platform, the window on the Windows one.
cp "$qt"/plugins/platforms/{qwindows,qoffscreen}.dll "$stage/platforms/"
cp "$qt"/plugins/styles/qwindowsvistastyle.dll "$stage/styles/"
cp "$qt"/plugins/imageformats/{qgif,qico,qjpeg}.dll "$stage/imageformats/"

# Every DLL the programs and plugins import, and those these import in turn,
# that is Qt's or the compiler's; the rest are Windows' own.
runtime=$(dirname "$($mingw-g++-posix -print-libgcc-file-name)")
search=("$qt/bin" "$runtime" "/usr/$mingw/lib")
queue=("$stage"/*.exe "$stage"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    for dll in $($mingw-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
        [ -e "$stage/$dll" ] && continue
        for folder in "${search[@]}"; do
            if [ -f "$folder/$dll" ]; then
                cp "$folder/$dll" "$stage/"
                queue+=("$stage/$dll")
                break
            fi
        done
    done
done
# Debian's libstdc++-6.dll alone is 24 MB with its symbols.
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec "$mingw-strip" --strip-unneeded {} +

cp "$sample" "$stage/"
cp "$root/README.md" "$stage/"
# The drawings ask for Arial, then Liberation Sans, its metric twin.
cp /usr/share/fonts/truetype/liberation/LiberationSans-{Regular,Bold,Italic,BoldItalic}.ttf \
    "$stage/fonts/"
cp -r "$qt/licenses" "$stage/licenses/Qt"
cp /usr/share/doc/fonts-liberation/copyright "$stage/licenses/fonts-liberation.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64-winpthreads.txt"

(cd "$(dirname "$stage")" && zip -qrX "$name.zip" "$name")
echo "Wrote $stage.zip ($(du -h "$stage.zip" | cut -f1); $(du -sh "$stage" | cut -f1) unzipped)"
