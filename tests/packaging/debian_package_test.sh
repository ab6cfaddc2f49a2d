#!/usr/bin/env bash
# Builds the Debian package from this build, unpacks it and checks its control
# fields and that the program in it runs.
#
#   debian_package_test.sh BUILD_DIR APP_ID VERSION_TEXT PROGRAM[,PROGRAM...] DEBIAN_VERSION
set -euo pipefail
build=$1 id=$2 version=$3 programs=$4 debian_version=$5
source "$(dirname "$0")/installed_program_checks.sh"
require_tools cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli xmllint update-mime-database

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The package and CPack's staging tree go to the temporary folder, not the build.
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    fail "cpack"
}
packages=("$work"/*.deb)
[ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] || fail "cpack made no single .deb"
deb=${packages[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = sliding-window-demo ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$debian_version" ] || fail "Version: $(field Version), expected $debian_version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Description)" ] || fail "no Maintainer or Description"
depends=$(field Depends)
depended_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
# The fonts by name; Qt and the C++ runtime found by dpkg-shlibdeps.
for package in fonts-liberation2 libqt6widgets6 libqt6charts6 libstdc++6 libc6; do
    grep -qxF "$package" <<<"$depended_names" || fail "Depends lacks $package: $depends"
done

dpkg-deb -x "$deb" "$work/root"
check_installed_files "$work/root/usr" "$id" "$programs"
check_program_runs "$work/root/usr/bin/sliding-window-demo" "$version"
echo "packaged, unpacked and checked: $(basename "$deb")"
