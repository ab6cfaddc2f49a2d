# Shared by the install and package tests: what must hold for a program and its
# desktop files installed under a prefix.

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

require_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed (scripts/install-deps test)"
            exit 77
        fi
    done
}

# The width and height a PNG's header declares.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

# check_installed_files PREFIX APP_ID PROGRAM[,PROGRAM...]
check_installed_files() {
    local prefix=$1 id=$2 programs=$3
    for program in ${programs//,/ }; do
        [ -f "$prefix/bin/$program" ] && [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
    done
    for file in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/icons/hicolor/scalable/apps/$id.svg share/man/man1/sliding-window-demo.1.gz; do
        [ -f "$prefix/$file" ] || fail "$file is not installed"
    done
    for size in 16 32 48 64 128 256; do
        local png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
        [ -f "$png" ] || fail "no ${size} px icon"
        [ "$(png_size "$png")" = "${size}x${size}" ] || fail "the ${size} px icon is $(png_size "$png")"
    done
    zcat "$prefix/share/man/man1/sliding-window-demo.1.gz" | grep -q '^\.TH SLIDING-WINDOW-DEMO 1 ' ||
        fail "the manual page has no title line"

    desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "appstreamcli validate"
    grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "the metadata names another desktop entry"

    # Run files have a type of their own, which a double click opens with the program.
    local mime=$prefix/share/mime/packages/$id.xml
    [ -f "$mime" ] || fail "share/mime/packages/$id.xml is not installed"
    xmllint --noout "$mime" || fail "the MIME type is not well-formed XML"
    local database
    database=$(mktemp -d)
    mkdir -p "$database/mime/packages" && cp "$mime" "$database/mime/packages/"
    XDG_DATA_HOME=$database update-mime-database "$database/mime" 2>&1 | grep . &&
        fail "update-mime-database complains about the MIME type"
    grep -qx "50:application/x-sliding-window-run:\*.swrun" "$database/mime/globs2" || fail "*.swrun is not a run file"
    rm -rf "$database"
    # The modules the program loads on first use.
    for module in classroom printing; do
        find "$prefix" -path "*/sliding-window-demo/libsliding-window-$module.so" | grep -q . ||
            fail "the $module module is not installed"
    done
    # The page's site, which a classroom session serves from the laptop.
    for file in index.html app.js engine.js follow.js page.css; do
        [ -f "$prefix/share/sliding-window-demo/site/$file" ] || fail "the page's $file is not installed"
    done
    grep -qx "Exec=sliding-window-demo %f" "$prefix/share/applications/$id.desktop" ||
        fail "the desktop entry does not pass the file it opens"
    grep -q "^MimeType=.*application/x-sliding-window-run;" "$prefix/share/applications/$id.desktop" ||
        fail "the desktop entry does not open run files"
}

# check_program_runs PROGRAM VERSION_TEXT
check_program_runs() {
    local program=$1 version=$2 output status

    # No display at all: the terminal answers must not need one.
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) ||
        fail "--version failed"
    [ "$output" = "Quill's Sliding Window Demo $version" ] || fail "--version says '$output', the build is $version"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help | head -n 1 |
        grep -q '^Usage: sliding-window-demo ' || fail "--help prints no usage"
    status=0
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --no-such-option 2>&1) || status=$?
    [ "$status" -eq 2 ] || fail "an unknown option exits with $status, not 2"
    [ "$(wc -l <<<"$output")" -eq 2 ] || fail "an unknown option says more than one line and the usage: $output"

    # The window itself, on Qt's offscreen platform: the program reports the
    # window once it is shown, and quits on its own.
    output=$(SLIDING_WINDOW_DEMO_SMOKE_TEST=1 QT_QPA_PLATFORM=offscreen timeout 60 "$program" 2>/dev/null) ||
        fail "the program did not start, show its window and quit cleanly"
    grep -qx "shown: Quill's Sliding Window Demo, 855x[0-9]*" <<<"$output" || fail "the window shown: '$output'"

    # A classroom session on this machine only serves the page the program carries.
    if command -v curl >/dev/null; then
        local port=$((20000 + RANDOM % 20000)) page=""
        QT_QPA_PLATFORM=offscreen timeout 60 "$program" --classroom --listen 127.0.0.1 --port "$port" \
            >/dev/null 2>&1 &
        local pid=$!
        for _ in $(seq 1 100); do
            page=$(curl -sf "http://127.0.0.1:$port/" 2>/dev/null) && break
            sleep 0.2
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        grep -q '<script src="engine.js"></script>' <<<"$page" || fail "the classroom session served no page"
    fi
}
