# Sourced by the bench scripts: medians, spreads and the met / not met line
# of a figure measured twice in a row.
#
# A figure that cannot be measured twice with the same result says nothing
# about the program, so every such line carries both runs and fails when they
# disagree by more than RepeatTolerancePercent, whatever the target says.

RepeatTolerancePercent=10

# The median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print 0; else print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# "lowest–highest" of the numbers on standard input, with FORMAT (printf).
spread() { # FORMAT
    sort -g | awk -v f="$1" 'NR == 1 { low = $1 } { high = $1 } END { printf f "\xe2\x80\x93" f, low, high }'
}

# A / B with FORMAT, or "n/a" when B is not above 0.
divide() { # A B FORMAT
    awk -v a="$1" -v b="$2" -v f="$3" 'BEGIN { if (b > 0) printf f, a / b; else printf "n/a" }'
}

# How far apart two positive figures are, in percent of the smaller.
disagreement_percent() { # FIRST AGAIN
    awk -v a="$1" -v b="$2" 'BEGIN {
        low = a < b ? a : b; high = a < b ? b : a
        if (low <= 0) { print 100; exit }
        printf "%.1f", 100 * (high / low - 1)
    }'
}

# The line of a figure measured twice in a row:
#   twice_verdict WHAT FIRST AGAIN COMPARISON LIMIT FIRST_TEXT AGAIN_TEXT TARGET_TEXT [PROBLEM]
# COMPARISON is "<=" or ">="; FIRST and AGAIN are the two figures, each met
# against LIMIT; FIRST_TEXT and AGAIN_TEXT say how each was found (what was
# divided by what). A non-empty PROBLEM (a run that did not animate, say)
# fails the line and is said in it. Prints "  [met] ..." or "  [not met] ..."
# and returns 1 when not met.
twice_verdict() {
    local what=$1 first=$2 again=$3 comparison=$4 limit=$5 first_text=$6 again_text=$7 target=$8
    local problem=${9:-}
    local apart
    apart=$(disagreement_percent "$first" "$again")
    local met
    met=$(awk -v a="$first" -v b="$again" -v l="$limit" -v c="$comparison" 'BEGIN {
        if (c == "<=") print (a <= l && b <= l) ? 1 : 0; else print (a >= l && b >= l) ? 1 : 0 }')
    local repeats
    repeats=$(awk -v d="$apart" -v t="$RepeatTolerancePercent" 'BEGIN { print (d <= t) ? 1 : 0 }')
    local figure="$first_text; again $again_text"
    if [ -n "$problem" ]; then
        echo "  [not met] $what: $figure; $problem (target $target)"
        return 1
    fi
    if [ "$repeats" -ne 1 ]; then
        echo "  [not met] $what: $figure; the two runs disagree by $apart %, more than" \
            "$RepeatTolerancePercent %: the method, not the target, needs work (target $target)"
        return 1
    fi
    if [ "$met" -eq 1 ]; then
        echo "  [met] $what: $figure; the runs $apart % apart (target $target)"
        return 0
    fi
    echo "  [not met] $what: $figure; the runs $apart % apart (target $target)"
    return 1
}

# The machine's load average (1, 5 and 15 minutes) as /proc/loadavg has it.
load_average() { cut -d' ' -f1-3 /proc/loadavg; }
