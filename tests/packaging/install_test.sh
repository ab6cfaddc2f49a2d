#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a
# user find there.
#
#   install_test.sh BUILD_DIR APP_ID VERSION_TEXT PROGRAM[,PROGRAM...]
set -euo pipefail
build=$1 id=$2 version=$3 programs=$4
source "$(dirname "$0")/installed_program_checks.sh"
require_tools desktop-file-validate appstreamcli xmllint update-mime-database

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"

check_installed_files "$prefix" "$id" "$programs"
check_program_runs "$prefix/bin/sliding-window-demo" "$version"
echo "installed and checked"
