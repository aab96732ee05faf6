#!/usr/bin/env bash
# Checks the Windows zip that `make windows-app` built, under wine64 on a
# virtual X display, from its unzipped folder:
# - vantiq-cli.exe's list, search and advise print byte for byte what the
#   Linux build prints, and its printed pages hold the same text;
# - vantiq-screenshot.exe drives the window through a search, the operating
#   points and the stacks and writes the README's pictures, its lists the
#   same as on Linux;
# - vantiq.exe starts on the sample catalogue, shows its title, is pictured,
#   stores its colours in the registry under HKCU\Software\Kestrin\Vantiq
#   when its Settings are confirmed, and closes cleanly.
# Pictures and outputs land in build/windows-app/check/out.
# VANTIQ_DISPLAY  the X display to use (default :99); WINEPREFIX (default
# build/windows-app/wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
app=$root/build/windows-app
linux=$root/build/dev
zip=$(ls "$app"/vantiq-*-windows-x64.zip)
work=$app/check
out=$work/out
dir=$work/$(basename "$zip" .zip)

export WINEPREFIX=${WINEPREFIX:-$app/wine}
export WINEDEBUG=-all
# No prompts to fetch wine's .NET and HTML engines, which nothing here needs.
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=${VANTIQ_DISPLAY:-:99}
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)

failures=0
millis() { echo $(($(date +%s%N) / 1000000)); }
seconds_since() { printf '%d.%01d' $((($(millis) - $1) / 1000)) $(((($(millis) - $1) % 1000) / 100)); }
check_started=$(millis)
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

xvfb=""
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$out"
unzip -q "$zip" -d "$work"
cp "$root/build/windows-app-build/tools/screenshot/vantiq-screenshot.exe" "$dir/"
cp "$linux/data/Base.tmb" "$out/Base.tmb"
for tool in cli/vantiq-cli screenshot/vantiq-screenshot; do
    [ -x "$linux/tools/$tool" ] || {
        echo "No $linux/tools/$tool to compare with: make windows-app builds it" >&2
        exit 1
    }
done

Xvfb "$DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
started=$(millis)
"$wine" wineboot --init >/dev/null 2>&1
echo "wine's prefix ready in $(seconds_since "$started") s"
# Colours a former run stored would show in the pictures and hide a store that fails.
"$wine" reg delete 'HKCU\Software\Kestrin\Vantiq' /f >/dev/null 2>&1 || true

cd "$dir"
run_cli() { "$wine" "$dir/vantiq-cli.exe" --base Base.tmb "$@"; }

# --- The command-line tool against the Linux build's ----------------------
compare() {
    local what=$1
    shift
    "$linux/tools/cli/vantiq-cli" --base "$out/Base.tmb" "$@" >"$out/$what.linux" 2>/dev/null || true
    run_cli "$@" >"$out/$what.windows" 2>/dev/null || true
    if [ -s "$out/$what.linux" ] && cmp -s "$out/$what.linux" "$out/$what.windows"; then
        pass "vantiq-cli $* ($(wc -l <"$out/$what.linux") lines, same bytes)"
    else
        fail "vantiq-cli $*: see $out/$what.linux and $what.windows"
    fi
}
compare list list
compare search search --q 5 --dt 30 --supply-voltage 14 --supply-current 12 --sort qmax
compare advise advise --q 20 --dt 30 --supply-voltage 12 --supply-current 6
compare advise-sink advise --q 20 --cold-c 10 --ambient-c 25 --sink-rth 0.3 --modules auto
compare stacks advise --stages 2 --q 2 --dt 80 --supply-voltage 15 --supply-current 6

module=$(sed -n '2s/^[^,]*,\([^,]*\),.*/\1/p' "$out/list.linux")
for page in graphs datasheet; do
    "$linux/tools/cli/vantiq-cli" --base "$out/Base.tmb" print --module "$module" --page "$page" \
        --dpi 150 -o "$out/$page-linux.pdf"
    run_cli print --module "$module" --page "$page" --dpi 150 -o "$out/$page-windows.pdf" || true
    pdftotext "$out/$page-linux.pdf" "$out/$page-linux.txt"
    if [ -f "$out/$page-windows.pdf" ] &&
        pdftotext "$out/$page-windows.pdf" "$out/$page-windows.txt" &&
        cmp -s "$out/$page-linux.txt" "$out/$page-windows.txt"; then
        pass "vantiq-cli print --page $page: the PDF's text is the Linux one's"
    else
        fail "vantiq-cli print --page $page: compare $out/$page-linux.txt and $page-windows.txt"
    fi
done
if run_cli render --module "$module" --mode graph -o "$out/render.png" 2>/dev/null &&
    [ -s "$out/render.png" ]; then
    pass "vantiq-cli render draws $module"
else
    fail "vantiq-cli render --module $module"
fi

# --- The README's pictures, made by driving the window --------------------
QT_QPA_PLATFORM=offscreen "$linux/tools/screenshot/vantiq-screenshot" "$out/Base.tmb" "$out" \
    >"$out/lists.linux" 2>/dev/null
mkdir -p "$dir/shots"
"$wine" "$dir/vantiq-screenshot.exe" Base.tmb shots 2>/dev/null | tr -d '\r' >"$out/lists.windows" || true
mv "$dir/shots" "$out/wine"
pictures=$(find "$out/wine" -name 'window-*.png' 2>/dev/null | wc -l)
if [ "$pictures" -eq 4 ] && cmp -s "$out/lists.linux" "$out/lists.windows"; then
    pass "vantiq-screenshot.exe wrote 4 pictures, their lists the Linux ones"
else
    fail "vantiq-screenshot.exe: $pictures pictures; compare $out/lists.linux and lists.windows"
fi

# --- The window program ----------------------------------------------------
title_pattern='"Vantiq : .* <[0-9]+ TEMs in base total>"'
started=$(millis)
"$wine" "$dir/vantiq.exe" >/dev/null 2>&1 &
vantiq=$!
window=""
for _ in $(seq 1 600); do
    window=$(xwininfo -root -tree | grep -E "$title_pattern" | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
if [ -z "$window" ]; then
    fail "vantiq.exe showed no window titled like $title_pattern within 60 s"
else
    seconds=$(seconds_since "$started")
    title=$(echo "$window" | grep -oE "$title_pattern")
    pass "vantiq.exe showed $title after $seconds s"
    id=$(echo "$window" | awk '{print $1}')
    sleep 2
    import -window "$id" "$out/window-wine.png"
    # Alt+S opens Settings; Enter confirms it, which stores all five colours.
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --delay 200 alt+s
    sleep 2
    xdotool key Return
    sleep 2
    "$wine" reg query 'HKCU\Software\Kestrin\Vantiq' 2>/dev/null | tr -d '\r' >"$out/registry.txt" || true
    stored=$(grep -cE '^ +Color(1|08|06|04|02) +REG_DWORD +0x' "$out/registry.txt" || true)
    if [ "$stored" -eq 5 ]; then
        pass "the five colours are REG_DWORDs under HKCU\\Software\\Kestrin\\Vantiq"
    else
        fail "the registry holds $stored of the five colours: $out/registry.txt"
    fi
    # Asked to close as the window's close box asks it.
    "$wine" taskkill /im vantiq.exe >/dev/null 2>&1 || true
fi
code=""
for _ in $(seq 1 100); do
    if ! kill -0 "$vantiq" 2>/dev/null; then
        wait "$vantiq" && code=0 || code=$?
        break
    fi
    sleep 0.1
done
if [ "$code" = 0 ]; then
    pass "vantiq.exe closed with status 0"
else
    fail "vantiq.exe did not close cleanly (status '${code:-still running}')"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) of the Windows build failed" >&2
    exit 1
fi
echo "The Windows build works under wine ($(seconds_since "$check_started") s); pictures in $out"
