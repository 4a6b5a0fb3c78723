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

# Under a virtual X server, click through the title and information windows of a
# photon program and check that its main window opens: it found the installed data
# file from a working directory that has none. Each window is told by its size, so a
# window that is slow to map or to hide only delays the next poll.
reaches_main_window() {
    local exe=$1 title_size=$2 next_at=$3 info_size=$4 ok_at=$5 main_size=$6
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null || {
        echo "skipped: no Xvfb or xdotool"
        return 0
    }
    local display=:$((60 + RANDOM % 30))
    Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    # exec, so that the pid below is the program's own (through timeout, which passes
    # the kill on) and the wait at the end cannot outlive it
    (cd "$work/home" && HOME="$work/home" DISPLAY=$display QT_QPA_PLATFORM=xcb \
        exec timeout 60 "$exe" >/dev/null 2>&1) &
    local program=$!
    local seen="" win geometry pos size x y
    for _ in $(seq 150); do
        sleep 0.2
        for win in $(DISPLAY=$display xdotool search --onlyvisible --class "$(basename "$exe")" \
            2>/dev/null || true); do
            geometry=$(DISPLAY=$display xdotool getwindowgeometry "$win" 2>/dev/null || true)
            pos=$(echo "$geometry" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p')
            size=$(echo "$geometry" | sed -n 's/.*Geometry: \([0-9]*x[0-9]*\).*/\1/p')
            [ -n "$pos" ] || continue
            x=${pos%,*} y=${pos#*,}
            case $size in
            "$main_size") seen=main ;;
            "$title_size")
                DISPLAY=$display xdotool mousemove $((x + ${next_at%,*})) $((y + ${next_at#*,})) \
                    click 1 || true
                ;;
            "$info_size")
                DISPLAY=$display xdotool mousemove $((x + ${ok_at%,*})) $((y + ${ok_at#*,})) \
                    click 1 || true
                ;;
            esac
        done
        [ "$seen" = main ] && break
    done
    kill $program $xvfb 2>/dev/null || true
    wait $program $xvfb 2>/dev/null || true
    [ "$seen" = main ] || fail "$exe did not reach its main window from $work/home"
}

check_tree() {
    local root=$1
    for program in dartley stelmo rhunel; do
        [ -x "$root/bin/$program" ] || fail "$root/bin/$program missing"
        [ -f "$root/share/man/man1/$program.1.gz" ] || fail "$program manual page missing"
        starts "$root/bin/$program"
    done
    for doc in copyright changelog.gz; do
        [ -f "$root/share/doc/monte-carlo-teaching/$doc" ] || fail "$doc not installed"
    done
    [ -f "$root/share/monte-carlo-teaching/ICRU4.dat" ] || fail "data file not installed"
    # title window's size and its Next button, information window's size and its OK
    # button (in pixels from the window's corner), the main window's size
    reaches_main_window "$root/bin/stelmo" 822x570 408,516 1059x692 828,600 736x747
    reaches_main_window "$root/bin/rhunel" 1038x607 504,552 926x626 712,548 624x753
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
# read the whole control first: grep -q stops early, and under pipefail the writer's
# broken pipe would count as no match
control=$(dpkg-deb --field "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$control" || fail "no dependency on Qt found in $deb: $control"
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr"
echo ".deb: ok"
echo "1 passed, 0 failed"
