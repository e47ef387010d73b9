#!/usr/bin/env bash
# Makes the README's screenshot again: the window on a damaged bitmap, with its Findings window
# (F8) and its Picture window (Ctrl+Shift+P), under a virtual X server.
#   scripts/screenshot.sh [OUT.png]        (default: docs/screenshot.png)
# Builds build/release's hexlume first. Needs Xvfb, xdotool, ImageMagick and x11-utils, and
# installs them when run as root. SCREENSHOT_DISPLAY picks the first display number to try (93).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m -- "${1:-docs/screenshot.png}")

# ---- tools -------------------------------------------------------------------------------------
declare -A needs=([Xvfb]=xvfb [xdotool]=xdotool [import]=imagemagick [convert]=imagemagick [xwininfo]=x11-utils)
missing=()
for tool in "${!needs[@]}"; do
    command -v "$tool" >/dev/null || missing+=("${needs[$tool]}")
done
if [ ${#missing[@]} -gt 0 ]; then
    mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
    if [ "$(id -u)" -ne 0 ]; then
        echo "The screenshot needs these packages. Install them as root with:" >&2
        echo "  apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}"
fi

scripts/build.sh release hexlume
hexlume=build/release/mainform/hexlume

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# ---- a damaged bitmap --------------------------------------------------------------------------
# 64 x 48 pixels, 8 bits, a table of 16 colours. What is wrong with it: the file ends 12 rows
# early (bfSize and the image size reach past its end), a diagonal band of pixels holds index 200,
# past the table, and a reserved word is not 0.
width=64 height=48 rows=36 colours=16
le16() { printf '\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() { printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
offset=$((14 + 40 + colours * 4))
bytes="BM$(le32 $((offset + width * height)))$(le16 0x4848)$(le16 0)$(le32 $offset)"
bytes+="$(le32 40)$(le32 $width)$(le32 $height)$(le16 1)$(le16 8)$(le32 0)$(le32 $((width * height)))"
bytes+="$(le32 2835)$(le32 2835)$(le32 $colours)$(le32 0)"
# Blue, green, red, 0: round the colour wheel, light and dark.
for entry in 0x3050E0 0x3090F0 0x30D0F0 0x40E0B0 0x50C060 0x90B040 0xC0A040 0xE08050 \
             0xD05090 0x9050C0 0x5060D0 0x202020 0x606060 0xA0A0A0 0xE0E0E0 0xF0F8FF; do
    bytes+=$(printf '\\%03o\\%03o\\%03o\\000' $((entry & 255)) $((entry >> 8 & 255)) $((entry >> 16 & 255)))
done
for ((row = 0; row < rows; ++row)); do  # stored bottom-up: row 0 is the picture's last line
    y=$((height - 1 - row))
    for ((x = 0; x < width; ++x)); do
        band=$((x + y - 60))
        if [ $band -ge -2 ] && [ $band -le 2 ]; then
            index=200
        else
            index=$(((x / 8 + y / 8 * 3) % colours))
        fi
        bytes+=$(printf '\\%03o' $index)
    done
done
picture="$work/damaged.bmp"
printf "$bytes" >"$picture"

# ---- a virtual screen --------------------------------------------------------------------------
# The first display from SCREENSHOT_DISPLAY (93) on that no server holds and Xvfb can take.
number=${SCREENSHOT_DISPLAY:-93}
# Wide enough for the main window with a companion on each side.
screen_width=1680 screen_height=800
xvfb=""
for ((tries = 0; tries < 20; ++tries, ++number)); do
    [ -n "$xvfb" ] && break
    xwininfo -root -display ":$number" >/dev/null 2>&1 && continue  # taken
    Xvfb ":$number" -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pid=$!
    for ((try = 0; try < 100; ++try)); do
        kill -0 "$pid" 2>/dev/null || break  # it gave up: a lock of another server
        if xwininfo -root -display ":$number" >/dev/null 2>&1; then
            xvfb=$pid
            break
        fi
        sleep 0.1
    done
    [ -z "$xvfb" ] && kill "$pid" 2>/dev/null || true
done
[ -n "$xvfb" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
pids+=("$xvfb")
export DISPLAY=":$((number - 1))"

# ---- the window and its two companions -----------------------------------------------------------
QT_QPA_PLATFORM=xcb "$hexlume" "$picture" >"$work/hexlume.log" 2>&1 &
pids+=($!)

# The visible window whose title matches, once it is there (at most 20 s).
window_of() {
    local id
    for ((try = 0; try < 200; ++try)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    echo "no window named '$1' came up" >&2
    cat "$work/hexlume.log" >&2
    return 1
}
main=$(window_of '^Hexlume$')
# A key for the main window; it has no window manager to give it the focus, so it is given here.
press() {
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
    xdotool key --clearmodifiers "$1"
}
# The windows name the file once they show it; until the file is loaded F8 has nothing to show.
findings=""
for ((try = 0; try < 50; ++try)); do
    [ -n "$findings" ] && break
    press F8
    findings=$(xdotool search --onlyvisible --name '^Findings — damaged' 2>/dev/null | head -n 1) || true
    [ -z "$findings" ] && sleep 0.2
done
[ -n "$findings" ] || { echo "the Findings window did not open" >&2; cat "$work/hexlume.log" >&2; exit 1; }
press ctrl+shift+p
picture_window=$(window_of '^Picture — damaged')

# Painted once the screen stops changing.
previous=""
for ((try = 0; try < 50; ++try)); do
    sleep 0.2
    current=$(import -window root rgb:- | md5sum)
    [ "$current" = "$previous" ] && break
    previous=$current
done

# ---- the shot: the three windows and a margin round them ---------------------------------------
geometry() {  # x y width height of a window on the screen
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                             /^ *Width/ {w = $NF} /^ *Height/ {h = $NF} END {print x, y, w, h}'
}
read -r left top right bottom < <(
    for id in "$main" "$findings" "$picture_window"; do geometry "$id"; done |
        awk -v width="$screen_width" -v height="$screen_height" 'NR == 1 {l = $1; t = $2; r = $1 + $3; b = $2 + $4}
             {if ($1 < l) l = $1; if ($2 < t) t = $2; if ($1 + $3 > r) r = $1 + $3; if ($2 + $4 > b) b = $2 + $4}
             END {m = 8; l -= m; t -= m; r += m; b += m; if (l < 0) l = 0; if (t < 0) t = 0;
                  if (r > width) r = width; if (b > height) b = height; print l, t, r, b}')
mkdir -p "$(dirname "$out")"
import -window root "$work/screen.png"
convert "$work/screen.png" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage -strip \
    -define png:compression-level=9 "$out"
echo "$out: $(identify -format '%wx%h' "$out"), $(($(stat -c %s "$out") / 1024)) KiB"
