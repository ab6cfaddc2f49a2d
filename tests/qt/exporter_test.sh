#!/usr/bin/env bash
# The headless exporter: a lesson's CSV, SVG and PNG, on no display at all,
# and a bad file refused with its sentence.
set -euo pipefail
exporter=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$exporter" --lesson fast-retransmit --csv "$out/run.csv" --svg "$out/chart.svg" --png "$out/chart.png"
# A header and one row for each of the lesson's 650 ticks and tick 0.
[ "$(grep -c '^[0-9]*,' "$out/run.csv")" -eq 651 ] || { echo "wrong number of rows"; exit 1; }
grep -q '^450,.*fast-retransmit' "$out/run.csv" || { echo "no fast-retransmit marker at tick 450"; exit 1; }
grep -q '<svg' "$out/chart.svg" || { echo "no SVG drawing"; exit 1; }
[ "$(head -c 8 "$out/chart.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "not a PNG"; exit 1; }

echo '{"format": "sliding-window-run", "version": 9}' > "$out/new.json"
if "$exporter" "$out/new.json" --csv "$out/x.csv" 2> "$out/error"; then echo "a newer file was accepted"; exit 1; fi
grep -q 'format version 9, newer than this program reads' "$out/error" || { cat "$out/error"; exit 1; }
[ ! -e "$out/x.csv" ] || { echo "a refused run wrote a CSV"; exit 1; }
# A homework sheet's link of settings, through the page's own parser: started, and played for --ticks.
"$exporter" --link 'options=slowstart,avoidance&tx=8&seq=16' --ticks 300 --csv "$out/link.csv"
[ "$(grep -c '^[0-9]*,' "$out/link.csv")" -eq 301 ] || { echo "the link's run has the wrong number of rows"; exit 1; }
if "$exporter" --link 'https://example.org/#run=cut-off' --csv "$out/y.csv" 2> "$out/error"; then
    echo "a damaged link was accepted"
    exit 1
fi
grep -q 'The run in this link cannot be opened' "$out/error" || { cat "$out/error"; exit 1; }
echo "exporter ok"
