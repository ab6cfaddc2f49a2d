#!/usr/bin/env bash
# A file given on the command line is how a double click opens it: a file
# that is refused still opens the window, with the refusal box over it, and
# says the same on standard error.
set -euo pipefail
demo=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
echo '{"format": "sliding-window-run", "version": 1, "ticks": 10, "settings": {' > "$out/broken.swrun"
SLIDING_WINDOW_DEMO_SMOKE_TEST=1 QT_QPA_PLATFORM=offscreen timeout 60 "$demo" "$out/broken.swrun" \
    > "$out/said" 2> "$out/error" || { cat "$out/said" "$out/error"; echo "the window did not open"; exit 1; }
grep -q '^shown: ' "$out/said" || { cat "$out/said"; exit 1; }
grep -q '^refusal box: broken.swrun cannot be opened. The file ends too early' "$out/said" ||
    { cat "$out/said"; echo "no refusal box"; exit 1; }
grep -q 'The file ends too early' "$out/error" || { cat "$out/error"; exit 1; }
