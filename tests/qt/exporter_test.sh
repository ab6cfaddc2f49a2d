#!/usr/bin/env bash
# The headless exporter: a lesson's CSV, SVG, PNG and packet capture, on no
# display at all, a bad file refused with its sentence, a comparison and
# planned losses.
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

# The time-sequence diagram of ticks 0 to 600, for a slide.
"$exporter" --lesson go-back-n --from 0 --to 600 --ladder-svg "$out/ladder.svg" --ladder-png "$out/ladder.png"
grep -q 'ticks 0 to 600' "$out/ladder.svg" || { echo "no diagram of ticks 0 to 600"; exit 1; }
grep -q '>ACK 1 dup<' "$out/ladder.svg" || { echo "no duplicate ACK in the diagram"; exit 1; }
[ "$(grep -c 'class="lost"' "$out/ladder.svg")" -eq 1 ] || { echo "not one lost packet in the diagram"; exit 1; }
[ "$(head -c 8 "$out/ladder.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "diagram not a PNG"; exit 1; }

echo '{"format": "sliding-window-run", "version": 9}' > "$out/new.json"
if "$exporter" "$out/new.json" --csv "$out/x.csv" 2> "$out/error"; then echo "a newer file was accepted"; exit 1; fi
grep -q 'format version 9, newer than this program reads' "$out/error" || { cat "$out/error"; exit 1; }
[ ! -e "$out/x.csv" ] || { echo "a refused run wrote a CSV"; exit 1; }
# A write that fails leaves no file, half or whole, and says so in one line.
for kind in csv svg png pcap; do
    if (ulimit -f 8; "$exporter" --lesson fast-retransmit --$kind "$out/big.$kind") 2> "$out/error"; then
        echo "a $kind past the file-size limit was reported written"; exit 1
    fi
    grep -q "^sliding-window-run: could not write .*big.$kind: .*\\.\$" "$out/error" || { cat "$out/error"; exit 1; }
done
[ "$(ls "$out" | grep -c big)" -eq 0 ] || { ls "$out"; echo "a half file was left behind"; exit 1; }
if "$exporter" --lesson fast-retransmit --svg /dev/full 2> "$out/error"; then echo "/dev/full took an SVG"; exit 1; fi
grep -q 'could not write /dev/full' "$out/error" || { cat "$out/error"; exit 1; }

# A stranger's file: its names reach the terminal without escape sequences.
printf '{"format": "sliding-window-run", "version": 1, "ticks": 1, "actions": [{"tick": 0, "action": "\\u001b[2J<b>"}],
  "settings": {"options": {"slowStart": false, "avoidance": false, "fastRetransmit": false, "selectiveRepeat": false,
  "delayedAcks": false, "autoRtt": false, "slideNumbers": false, "inOrderReceiver": false},
  "sliders": {"timeout": 6, "txWindow": 4, "rxWindow": 8, "highestSequence": 15}}}' > "$out/escape.json"
if "$exporter" "$out/escape.json" 2> "$out/error"; then echo "a bad action was accepted"; exit 1; fi
grep -q 'no action this program knows: "\[2J<b>"' "$out/error" || { cat -v "$out/error"; exit 1; }
# A homework sheet's link of settings (the README's own example, run=1 and
# all), through the page's own parser: started, and played for --ticks.
"$exporter" --link 'options=slowstart,avoidance,fastretransmit&tx=8&seq=16&run=1' --ticks 300 \
    --csv "$out/link.csv" 2> "$out/error" || { cat "$out/error"; exit 1; }
[ ! -s "$out/error" ] || { echo "the link's parameters were not all taken:"; cat "$out/error"; exit 1; }
[ "$(grep -c '^[0-9]*,' "$out/link.csv")" -eq 301 ] || { echo "the link's run has the wrong number of rows"; exit 1; }
if "$exporter" --link 'https://example.org/#run=cut-off' --csv "$out/y.csv" 2> "$out/error"; then
    echo "a damaged link was accepted"
    exit 1
fi
grep -q 'The run in this link cannot be opened' "$out/error" || { cat "$out/error"; exit 1; }
# Three protocols losing the same packets: one row of figures each, and the
# saved comparison plays again to the same table.
"$exporter" --compare stop-and-wait,go-back-n,selective-repeat --loss 5 --seed 7 --ticks 2000 \
    --csv "$out/compare.csv" --save "$out/compare.json"
[ "$(head -1 "$out/compare.csv")" = configuration,delivered,retransmissions,timeouts,drops,goodput,recent_goodput ] ||
    { cat "$out/compare.csv"; exit 1; }
[ "$(grep -c '^Stop-and-wait,[0-9]*,[0-9]*,[0-9]*,0,[0-9.]*,[0-9.]*$' "$out/compare.csv")" -eq 1 ] &&
    [ "$(wc -l < "$out/compare.csv")" -eq 4 ] || { cat "$out/compare.csv"; exit 1; }
"$exporter" --run "$out/compare.json" --csv "$out/again.csv" --ladder-svg "$out/compare.svg" --to 400
xmllint --noout "$out/compare.svg"
[ "$(grep -c 'class="configuration"' "$out/compare.svg")" -eq 3 ] || { echo "three diagrams side by side"; exit 1; }
cmp "$out/compare.csv" "$out/again.csv" || { echo "the saved comparison played differently"; exit 1; }
# A planned loss: packet 5 lost once, and the run's figures in the CSV's last columns.
"$exporter" --protocol go-back-n --lose p5 --csv "$out/lose.csv"
[ "$(grep -c 'packet-lost' "$out/lose.csv")" -eq 1 ] || { echo "not one packet lost"; exit 1; }
tail -1 "$out/lose.csv" | grep -q '^600,.*,[1-9][0-9]*,[1-9][0-9]*,[0-9]*,[0-9]*,[0-9.]*,[0-9.]*.$' ||
    { tail -1 "$out/lose.csv"; echo "no resend after the planned loss"; exit 1; }
# The run as a packet capture at either end (tests/frontend reads them back).
"$exporter" --lesson lost-ack --pcap "$out/sender.pcap"
"$exporter" --lesson lost-ack --pcap "$out/receiver.pcap" --capture-at receiver
[ "$(head -c 4 "$out/sender.pcap" | od -An -tx1 | tr -d ' \n')" = d4c3b2a1 ] || { echo "not a pcap file"; exit 1; }
! cmp -s "$out/sender.pcap" "$out/receiver.pcap" || { echo "both ends saw the same frames"; exit 1; }
if "$exporter" --lesson lost-ack --pcap "$out/x.pcap" --capture-at middle 2> "$out/error"; then
    echo "a capture point in the middle was accepted"
    exit 1
fi
grep -q -- '--capture-at needs sender or receiver' "$out/error" || { cat "$out/error"; exit 1; }
"$exporter" --run "$out/compare.json" --pcap "$out/compare.pcap" --to 400
[ "$(stat -c %s "$out/compare.pcap")" -gt "$(stat -c %s "$out/sender.pcap")" ] || { echo "no comparison capture"; exit 1; }
# Pictures for a slide: a comparison's windows, chart and table at the
# slide's size by default, titled with the ticks asked for; a run's chart at
# a size asked for, starting at the first tick of its range, with a complete
# legend, and without its title line when asked; the figures as CSV.
"$exporter" --compare stop-and-wait,go-back-n,selective-repeat --loss 5 --seed 7 --from 0 --to 600 \
    --svg "$out/slide.svg" --png "$out/slide.png" --table-csv "$out/table.csv"
xmllint --noout "$out/slide.svg"
[ "$(identify -format %wx%h "$out/slide.png")" = 1920x1080 ] || { echo "the slide is not 1920x1080"; exit 1; }
grep -q 'class="pictureTitle"[^>]*>Comparison · Stop-and-wait vs Go-back-N (textbook) vs Selective repeat' \
    "$out/slide.svg" || { echo "the comparison's title line is missing"; exit 1; }
grep -q 'ticks 0–600</text>' "$out/slide.svg" || { echo "the slide does not say its ticks"; exit 1; }
[ "$(grep -c '^Stop-and-wait,\|^Go-back-N (textbook),\|^Selective repeat,' "$out/table.csv")" -eq 3 ] ||
    { cat "$out/table.csv"; exit 1; }
"$exporter" --lesson fast-retransmit --from 100 --to 500 --size 1280x720 --svg "$out/chart.svg" --png "$out/chart.png"
[ "$(identify -format %wx%h "$out/chart.png")" = 1280x720 ] || { echo "the chart is not 1280x720"; exit 1; }
grep -q '>Fast retransmit after three duplicate ACKs · ' "$out/chart.svg" || { echo "no title"; exit 1; }
grep -q 'ticks 100–500</text>' "$out/chart.svg" && grep -q '>Dropped</text>' "$out/chart.svg" &&
    grep -q 'text-anchor="middle">100</text>' "$out/chart.svg" || { echo "the chart's range or legend"; exit 1; }
"$exporter" --lesson fast-retransmit --view diagram --no-title --svg "$out/untitled.svg" --from 400 --to 600
! grep -q 'class="pictureTitle"' "$out/untitled.svg" || { echo "--no-title kept the title"; exit 1; }
grep -q 'fast retransmit' "$out/untitled.svg" || { echo "the diagram of ticks 400 to 600 lost its mark"; exit 1; }
if "$exporter" --lesson go-back-n --view window,chart --svg "$out/two.svg" 2> "$out/error"; then
    echo "a run's picture took two views"; exit 1
fi
# A lesson's handout on Letter with the window at two chosen ticks, and a
# comparison's on A4 with its configurations side by side: the pages and
# their text as a reader of the PDF finds them.
"$exporter" --lesson go-back-n --handout "$out/lesson.pdf" --paper letter --at 100,300
pdfinfo "$out/lesson.pdf" | grep -q 'Page size: *612 x 792 pts (letter)' || { pdfinfo "$out/lesson.pdf"; exit 1; }
pdftotext "$out/lesson.pdf" "$out/lesson.txt"
for text in 'Go-back-N (textbook) recovering one lost packet' 'Go-back-N as the textbooks teach it' \
    'At tick 100' 'At tick 300' 'The time-sequence diagram, ticks 0–300' 'The run chart, ticks 0–600' \
    "The run's figures at tick 600"; do
    grep -qF "$text" "$out/lesson.txt" || { echo "the handout lacks: $text"; exit 1; }
done
! grep -q 'At tick 450' "$out/lesson.txt" || { echo "the handout shows a tick not asked for"; exit 1; }
"$exporter" --compare stop-and-wait,go-back-n --loss 5 --seed 7 --to 600 --handout "$out/compare.pdf"
pdfinfo "$out/compare.pdf" | grep -q 'Page size: *595.* x 842.* pts (A4)' || { pdfinfo "$out/compare.pdf"; exit 1; }
[ "$(pdftotext "$out/compare.pdf" - | grep -c '^Go-back-N (textbook)$')" -ge 4 ] ||
    { echo "the comparison's handout does not set its configurations side by side"; exit 1; }
echo "exporter ok"
