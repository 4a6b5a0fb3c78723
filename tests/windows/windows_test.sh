#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows installer, run under Wine on a virtual X server of its own: installed
# silently into a fresh Wine prefix, each program started from another folder and
# walked from its title window to its main window, batches run there and the result
# boxes and the results CSV compared with the Linux build's for the same presses; the
# portable zip unpacked and run; the uninstaller run.
# usage: windows_test.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR SOURCE_DIR VERSION
# Skipped (77) when the packages have not been built (./dev windows) or Wine is missing;
# ./dev test builds them and installs Wine first.
set -euo pipefail
linux=$(cd "$1" && pwd)
source=$(cd "$3" && pwd)
installer=$2/monte-carlo-teaching-$4-setup.exe
zip=$2/monte-carlo-teaching-$4-windows.zip
[ -f "$installer" ] && [ -f "$zip" ] || {
    echo "skipped: no $installer or $zip (./dev windows builds them)"
    exit 77
}
for tool in wine wineserver xdotool xclip Xvfb unzip python3; do
    command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work=$(mktemp -d)
# Wine's prefix, its menu entries and every setting stay in the work folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko: nothing here needs .NET or a browser engine, and their installers
# would ask; no desktop menu entries for the shortcuts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The X server picks a free display and says which.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
kill -0 $xvfb 2>/dev/null && [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$work/display")
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    kill $xvfb 2>/dev/null || true
    wait $xvfb 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Where each window is told by its size, and the points clicked in it (pixels from the
# window's corner): the title window and its button, the information window and its
# OK (none in Dartley), the main window, GO, the seconds a batch takes, the result
# boxes and EXIT.
declare -A title next info ok main go wait boxes exit_at
title[dartley]=714x586 next[dartley]=360,524 info[dartley]= ok[dartley]=
main[dartley]=565x649 go[dartley]=84,584 wait[dartley]=1 exit_at[dartley]=516,616
boxes[dartley]="Text3:280,564 Text2:280,604 Text1:412,584"
title[stelmo]=822x570 next[stelmo]=408,516 info[stelmo]=1059x692 ok[stelmo]=828,600
main[stelmo]=736x747 go[stelmo]=552,707 wait[stelmo]=4 exit_at[stelmo]=676,725
boxes[stelmo]="Text3:316,700 Text2:172,724 Text5:308,725 Text4:404,725"
title[rhunel]=1038x607 next[rhunel]=504,552 info[rhunel]=926x626 ok[rhunel]=712,548
main[rhunel]=624x753 go[rhunel]=424,708 wait[rhunel]=4 exit_at[rhunel]=564,732
boxes[rhunel]="Text2:272,724"

click() { # x y
    xdotool mousemove "$1" "$2" click 1
}

# The position of the program's visible window of the given size, or nothing.
window_at() { # program size
    local win geometry
    for win in $(xdotool search --onlyvisible --class "$1" 2>/dev/null || true); do
        geometry=$(xdotool getwindowgeometry "$win" 2>/dev/null || true)
        if [[ $geometry == *"Geometry: $2"* ]]; then
            sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p' <<<"$geometry"
            return
        fi
    done
}

# Clicks through the title and information windows until the main window shows;
# prints its position.
walk_to_main() { # program
    local p=$1 at x y
    for _ in $(seq 300); do
        at=$(window_at "$p" "${main[$p]}")
        [ -n "$at" ] && { echo "$at"; return 0; }
        at=$(window_at "$p" "${title[$p]}")
        if [ -n "$at" ]; then
            read -r x y <<<"$at"
            click $((x + ${next[$p]%,*})) $((y + ${next[$p]#*,}))
        elif [ -n "${info[$p]}" ]; then
            at=$(window_at "$p" "${info[$p]}")
            if [ -n "$at" ]; then
                read -r x y <<<"$at"
                click $((x + ${ok[$p]%,*})) $((y + ${ok[$p]#*,}))
            fi
        fi
        sleep 0.2
    done
    return 1
}

# A box's text as the program gives it to the clipboard (Ctrl+A, Ctrl+C); emptied first,
# so that a copy that failed reads as nothing, not as the box before.
box_text() { # x y
    printf '' | xclip -selection clipboard
    click "$1" "$2"
    sleep 0.3
    xdotool key ctrl+a ctrl+c
    sleep 0.5
    xclip -o -selection clipboard 2>/dev/null || true
}

# Saves the results through the save dialog the program opens for Ctrl+S, typing the
# path into its file-name field. Waits until the file is there.
save_csv() { # x y (a point over the window) path-as-typed file
    xdotool mousemove "$1" "$2"
    sleep 0.3
    local before
    before=$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)
    xdotool key ctrl+s
    # The dialog is one more visible window; then its file-name field takes the focus.
    for _ in $(seq 50); do
        [ "$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)" -gt "$before" ] && break
        sleep 0.2
    done
    sleep 1
    xdotool type --delay 20 "$3"
    sleep 0.3
    xdotool key Return
    for _ in $(seq 100); do
        [ -s "$4" ] && return 0
        sleep 0.2
    done
    return 1
}

# Runs one program from start to EXIT: two batches, the boxes read, the CSV saved.
# Writes the boxes to OUT.boxes and the CSV to OUT.csv. The rest of the arguments
# start the program (in the background, in the folder given).
drive() { # program folder out csv-path-as-typed command...
    local p=$1 folder=$2 out=$3 typed=$4
    shift 4
    (cd "$folder" && exec "$@" >/dev/null 2>&1) &
    local pid=$!
    local at x y box name
    if ! at=$(walk_to_main "$p"); then
        fail "$p: no main window (${main[$p]}) after its title window"
        kill $pid 2>/dev/null || true
        return
    fi
    read -r x y <<<"$at"
    for _ in 1 2; do
        click $((x + ${go[$p]%,*})) $((y + ${go[$p]#*,}))
        sleep "${wait[$p]}"
    done
    : >"$out.boxes"
    for box in ${boxes[$p]}; do
        name=${box%%:*}
        box=${box#*:}
        echo "$name=$(box_text $((x + ${box%,*})) $((y + ${box#*,})))" >>"$out.boxes"
    done
    save_csv $((x + 100)) $((y + 100)) "$typed" "$out.csv" || fail "$p: the CSV was not saved"
    click $((x + ${exit_at[$p]%,*})) $((y + ${exit_at[$p]#*,}))
    for _ in $(seq 50); do
        kill -0 $pid 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 $pid 2>/dev/null; then
        fail "$p: still running after EXIT"
        kill $pid 2>/dev/null || true
    fi
    wait $pid 2>/dev/null || true
}

# Reals within 1e-12 relative (MinGW's maths library may differ in the last bits),
# everything else exactly.
compare_csv() { # linux windows
    python3 - "$1" "$2" <<'EOF'
import sys
a = open(sys.argv[1], encoding="utf-8").read().splitlines()
b = open(sys.argv[2], encoding="utf-8").read().splitlines()
def same(x, y):
    if x == y:
        return True
    try:
        fx, fy = float(x), float(y)
    except ValueError:
        return False
    return abs(fx - fy) <= 1e-12 * max(abs(fx), abs(fy))
bad = [(i, p, q) for i, (p, q) in enumerate(zip(a, b))
       if len(p.split(",")) != len(q.split(","))
       or not all(same(x, y) for x, y in zip(p.split(","), q.split(",")))]
if len(a) != len(b) or bad or len(a) < 3:
    print(f"{len(a)} lines against {len(b)}; first differences: {bad[:3]}")
    sys.exit(1)
EOF
}

# --- The reference: the Linux build, the same presses --------------------------------
mkdir -p "$work/linux"
# The programs speak Japanese in the C locale, and under Wine by the saved setting.
for p in dartley stelmo rhunel; do
    drive $p "$source/data" "$work/linux/$p" "$work/linux/$p.csv" \
        env QT_QPA_PLATFORM=xcb HOME="$work/linux" XDG_CONFIG_HOME="$work/linux/.config" \
        LC_ALL=C.UTF-8 "$linux/$p/$p"
done

# --- Install ------------------------------------------------------------------------
wine wineboot --init >/dev/null 2>&1
wineserver -w
wine "$(winepath -w "$installer")" /S >/dev/null 2>&1
wineserver -w
c=$WINEPREFIX/drive_c
dir="$c/Program Files/Monte Carlo teaching"
menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Monte Carlo teaching programs"
for f in dartley.exe stelmo.exe rhunel.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll plugins/platforms/qwindows.dll \
    plugins/imageformats/qjpeg.dll translations/qtbase_ja.qm fonts/ipagp.ttf data/ICRU4.dat \
    data/lead.dat qt.conf LICENSE.txt Uninstall.exe; do
    [ -f "$dir/$f" ] || fail "not installed: $f"
done
for f in Dartley.lnk Stelmo.lnk Rhunel.lnk; do
    [ -f "$menu/$f" ] || fail "no Start-menu shortcut $f"
done
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\monte-carlo-teaching'
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r' || true)
for field in DisplayName DisplayVersion Publisher UninstallString; do
    grep -q "$field" <<<"$entry" || fail "no $field in the uninstall entry: $entry"
done
echo "installed: $(du -sh "$dir" | cut -f1)"

# --- Each program from another folder ------------------------------------------------
wine reg add 'HKCU\Software\monte-carlo-teaching\monte-carlo-teaching' /v language /d ja /f \
    >/dev/null 2>&1
mkdir -p "$work/elsewhere"
for p in dartley stelmo rhunel; do
    out="$work/elsewhere/$p"
    drive $p "$work/elsewhere" "$out" "$(winepath -w "$out.csv")" \
        wine "C:\\Program Files\\Monte Carlo teaching\\$p.exe"
    if ! diff "$work/linux/$p.boxes" "$out.boxes" >/dev/null; then
        fail "$p: the boxes differ from the Linux build's:"
        diff "$work/linux/$p.boxes" "$out.boxes" || true
    elif [ ! -s "$out.boxes" ] || grep -q '=$' "$out.boxes"; then
        fail "$p: a box could not be read: $(tr '\n' ' ' <"$out.boxes")"
    else
        echo "$p: $(tr '\n' ' ' <"$out.boxes")"
    fi
    if [ -s "$out.csv" ] && [ -s "$work/linux/$p.csv" ]; then
        compare_csv "$work/linux/$p.csv" "$out.csv" || fail "$p: the CSV differs"
    fi
    wineserver -w
done

# --- The Start-menu shortcut starts its program -----------------------------------------
wine start "$(winepath -w "$menu/Stelmo.lnk")" >/dev/null 2>&1 &
if [ -z "$(for _ in $(seq 100); do
    at=$(window_at stelmo "${title[stelmo]}")
    [ -n "$at" ] && { echo "$at"; break; }
    sleep 0.2
done)" ]; then
    fail "the Start-menu shortcut did not start Stelmo"
fi
wineserver -k >/dev/null 2>&1 || true
wineserver -w

# --- The portable zip, unpacked elsewhere ---------------------------------------------
unzip -q "$zip" -d "$work/portable"
exe=$(find "$work/portable" -name dartley.exe | head -n 1)
if [ -z "$exe" ]; then
    fail "no dartley.exe in $zip"
else
    drive dartley "$work/elsewhere" "$work/elsewhere/portable" \
        "$(winepath -w "$work/elsewhere/portable.csv")" wine "$(winepath -w "$exe")"
    diff "$work/linux/dartley.boxes" "$work/elsewhere/portable.boxes" >/dev/null ||
        fail "the portable Dartley's boxes differ from the Linux build's"
fi
wineserver -w

# --- Uninstall --------------------------------------------------------------------------
wine "$(winepath -w "$dir/Uninstall.exe")" /S >/dev/null 2>&1
# The uninstaller runs on from a copy of itself; wait until the folder is gone.
for _ in $(seq 150); do
    [ -e "$dir" ] || break
    sleep 0.2
done
wineserver -w
[ -e "$dir" ] && fail "the program folder is still there: $(ls "$dir")"
[ -e "$menu" ] && fail "the Start-menu folder is still there"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstall entry is still there"

[ $failures -eq 0 ] || exit 1
echo "windows: every check passed"
