#!/usr/bin/env bash
# End to end: starts the real program on a virtual X screen, ticks some
# options and presses Start with real mouse clicks, lets the run go on for a
# while and saves a screenshot of the window.
#
#   window_screenshot.sh PROGRAM OUTPUT.png [SECONDS]
#
# Exits 77 (skipped) when the X tools are missing. The same script makes the
# picture in docs/.
set -euo pipefail

if [ "${1:-}" = "--on-screen" ]; then
    shift
    program=$1
    output=$2
    seconds=$3

    # The program remembers its zoom and palette; a fresh place for them keeps
    # this run at the documented start whatever the user last chose.
    XDG_CONFIG_HOME=$(mktemp -d)
    export XDG_CONFIG_HOME
    # The tests run with the offscreen platform; this one needs the real X screen.
    QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$XDG_CONFIG_HOME"' EXIT

    window=$(timeout 20 xdotool search --sync --name "^Quill's Sliding Window Demo$" | head -n 1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The 855 x 595 client area sits between the menu bar and the status
    # line, each one line of the same text high.
    menu=$(((HEIGHT - 595) / 2))
    if [ "$WIDTH" != 855 ] || [ "$menu" -le 0 ] || [ "$menu" -gt 60 ]; then
        echo "window is ${WIDTH}x${HEIGHT}, expected 855 wide and 595 plus a menu bar and a status line high"
        exit 1
    fi

    # Client-area coordinates in pixels: twips / 15.
    click() {
        xdotool mousemove --window "$window" "$1" $(($2 + menu)) click 1
        sleep 0.3
    }
    click 690 484 # Slow Start
    click 690 508 # Avoidance
    click 690 532 # Fast Retransmit
    click 290 484 # Slide Numbers
    click 72 484  # Start
    sleep "$seconds"

    import -window "$window" "$output"
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended during the run"
        exit 1
    fi

    # A run in progress shows the purple window frames and running timeout bars.
    colours=$(convert "$output" -format %c histogram:info:-)
    for colour in '#800080' '#FFC0C0'; do
        if ! grep -qi "$colour" <<<"$colours"; then
            echo "no $colour in the screenshot"
            exit 1
        fi
    done
    echo "saved $output"
    exit 0
fi

program=$1
output=$2
seconds=${3:-6}
for tool in xvfb-run xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-screen "$program" "$output" "$seconds"
