#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# A program that started and waits at its title window is still running after a
# few seconds; one that crashed or could not start has ended by then.
starts() {
    local exe=$1
    mkdir -p "$work/home"
    set +e
    (cd "$work/home" && HOME="$work/home" timeout 4 "$exe" >"$work/out.txt" 2>&1)
    local rc=$?
    set -e
    [ $rc -eq 124 ] || { cat "$work/out.txt"; fail "$exe ended with status $rc"; }
}

check_tree() {
    local root=$1
    for program in dartley stelmo rhunel; do
        [ -x "$root/bin/$program" ] || fail "$root/bin/$program missing"
        starts "$root/bin/$program"
    done
    [ -f "$root/share/monte-carlo-teaching/ICRU4.dat" ] || fail "data file not installed"
    for id in Dartley Stelmo Rhunel; do
        [ -f "$root/share/applications/org.mcteaching.$id.desktop" ] || fail "$id launcher"
        [ -f "$root/share/metainfo/org.mcteaching.$id.metainfo.xml" ] || fail "$id metainfo"
        [ -f "$root/share/icons/hicolor/scalable/apps/org.mcteaching.$id.svg" ] || fail "$id svg icon"
        for size in 16 32 48 256; do
            [ -f "$root/share/icons/hicolor/${size}x${size}/apps/org.mcteaching.$id.png" ] ||
                fail "$id ${size}px icon"
        done
    done
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix"
echo "cmake --install: ok"

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
dpkg-deb --info "$deb" | grep -q 'Depends:.*libqt6widgets6' || fail "no dependency on Qt found in $deb"
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr"
echo ".deb: ok"
echo "1 passed, 0 failed"
