#!/usr/bin/env bash
# The exporter and what a stranger asks of it: every command stays within
# 300 MB whatever the file says, a picture too tall to be useful is refused
# with a way out, long runs keep their whole-run figures, labels never run in
# a spreadsheet nor break a drawing, and links are bounded when read.
set -euo pipefail
exporter=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fail() { echo "$*"; exit 1; }

# Runs the exporter with the arguments given; prints its peak resident
# memory in MB (the child's own high-water mark) and its exit status. Its
# standard error goes to $out/error.
peak() {
    python3 - "$exporter" "$@" 2> "$out/error" <<'PYTHON'
import os, subprocess, sys
child = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL)
_, status, usage = os.wait4(child.pid, 0)
child.returncode = os.waitstatus_to_exitcode(status)
print(usage.ru_maxrss // 1024, child.returncode)
PYTHON
}
settings='"settings": {"options": {"slowStart": false, "avoidance": false, "fastRetransmit": false,
  "selectiveRepeat": false, "delayedAcks": false, "autoRtt": false, "slideNumbers": false, "inOrderReceiver": false},
  "sliders": {"timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15}}'

# A 400-byte file asking for 600,000 ticks: the diagram of the ticks kept
# would be hundreds of thousands of pixels tall. Refused, --from/--to offered.
echo "{\"format\": \"sliding-window-run\", \"version\": 1, \"ticks\": 600000, $settings,
  \"actions\": [{\"tick\": 0, \"action\": \"startReset\"}]}" > "$out/long.json"
read -r mb status < <(peak "$out/long.json" --ladder-png "$out/long.png")
[ "$status" -eq 2 ] || fail "a 600,000-tick diagram was drawn (exit $status)"
grep -q 'too large to be useful.*--from and --to' "$out/error" || { cat "$out/error"; exit 1; }
[ "$mb" -lt 300 ] || fail "the 600,000-tick file peaked at $mb MB"
[ ! -e "$out/long.png" ] || fail "a refused picture was written"

# A long comparison keeps within one run's budget, and its figures count
# from tick 0 after the budget dropped the start: no protocol delivers nothing.
read -r mb status < <(peak --compare stop-and-wait,go-back-n,selective-repeat --ticks 600000 --csv "$out/t.csv")
[ "$status" -eq 0 ] || { cat "$out/error"; exit 1; }
[ "$mb" -lt 150 ] || fail "a 600,000-tick comparison peaked at $mb MB"
[ "$(grep -c '^[^,]*,0,[0-9]*,[0-9]*,[0-9]*,0\.0,' "$out/t.csv")" -eq 0 ] || { cat "$out/t.csv"; fail "figures restarted"; }

# A file of 1.8 million zeros costs tens of megabytes to refuse, not hundreds.
python3 -c "
import sys
sys.stdout.write('{\"format\": \"sliding-window-run\", \"version\": 1, \"ticks\": 1, ' + sys.argv[1] +
                 ', \"actions\": [], \"zeros\": [' + ','.join(['0'] * 1800000) + ']}')" "$settings" > "$out/zeros.json"
read -r mb status < <(peak "$out/zeros.json" --csv "$out/z.csv")
[ "$status" -eq 1 ] && grep -q 'more values than a run file' "$out/error" || { cat "$out/error"; fail "zeros"; }
[ "$mb" -lt 90 ] || fail "1.8 million zeros peaked at $mb MB"

# Diagram ticks that hold nothing, and outputs that would overwrite each other.
for request in "--from 600 --to 0" "--from 5000"; do
    if "$exporter" --lesson go-back-n $request --ladder-svg "$out/l.svg" 2> "$out/error"; then
        fail "$request drew a diagram"
    fi
    [ ! -e "$out/l.svg" ] || fail "$request wrote a diagram"
done
if "$exporter" --lesson go-back-n --csv "$out/same" --ladder-svg "$out/./same" 2> "$out/error"; then
    fail "two outputs to one file"
fi
grep -q -- '--csv and --ladder-svg both name' "$out/error" || { cat "$out/error"; exit 1; }
# "-" is standard output for every output, and once.
"$exporter" --lesson go-back-n --from 0 --to 100 --ladder-svg - | xmllint --noout - || fail "no diagram on standard output"
"$exporter" --lesson go-back-n --save - | grep -q '"note"' || fail "the saved lesson lost its note"
if "$exporter" --lesson go-back-n --csv - --save - 2> /dev/null > /dev/null; then fail "two outputs to standard output"; fi
# An escape character typed into a name is not echoed to the terminal.
if "$exporter" --protocol $'\e[31mred' 2> "$out/error"; then fail "an unknown protocol was taken"; fi
! grep -q $'\e' "$out/error" || fail "an escape character reached the terminal"

# Labels of a stranger's comparison: no formula in the table, no forbidden
# character in the drawing.
"$exporter" --compare stop-and-wait,go-back-n --ticks 200 --save "$out/pair.json"
python3 - "$out/pair.json" <<'PYTHON'
import json, sys
run = json.load(open(sys.argv[1]))
run["label"] = "=HYPERLINK(\"http://example.org\",\"x\")"
run["alongside"][0]["label"] = "@cmd|' /C calc'!A0 \ufffe\uffff"
json.dump(run, open(sys.argv[1], "w"))
PYTHON
"$exporter" "$out/pair.json" --csv "$out/pair.csv" --ladder-svg "$out/pair.svg"
grep -q "^\"'=HYPERLINK" "$out/pair.csv" || { cat "$out/pair.csv"; fail "a formula in the table"; }
grep -q "^'@cmd" "$out/pair.csv" || { cat "$out/pair.csv"; fail "a formula in the table"; }
xmllint --noout "$out/pair.svg" || fail "the comparison's diagram is not XML"

# Links: longer than any the program makes, bytes after the compressed run,
# and a bomb that inflates past a run file's size.
# link TEXT TRAILING [SPACES]: a page's link to TEXT (then SPACES blanks),
# raw-deflated, with TRAILING bytes after the compressed stream.
link() { python3 -c "
import base64, sys, zlib
c = zlib.compressobj(9, zlib.DEFLATED, -15)
text = sys.argv[1] + ' ' * int(sys.argv[3] if len(sys.argv) > 3 else 0)
data = c.compress(text.encode()) + c.flush() + sys.argv[2].encode()
print('https://example.org/#run=' + base64.urlsafe_b64encode(data).decode().rstrip('='))" "$@"; }
run=$("$exporter" --lesson go-back-n --save - | tr -d '\n')
"$exporter" --link "$(link "$run" "")" --csv "$out/k.csv" || fail "the lesson's link did not open"
long="$(link "$run" "")&$(printf 'x%.0s' {1..8000})"
for case in "$long|too long for a browser's address bar" \
            "$(link "$run" "junk")|The link is damaged" \
            "$(link "{" "" 4200000)|larger than a run file may be"; do
    if "$exporter" --link "${case%%|*}" --csv "$out/k.csv" 2> "$out/error"; then fail "a bad link was opened"; fi
    grep -q "${case#*|}" "$out/error" || { cat "$out/error"; fail "not: ${case#*|}"; }
done
