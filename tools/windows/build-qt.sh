#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Qt 6.4.2 for 64-bit Windows (MinGW-w64), built once from the upstream tarball of
# Debian's own qt6-base source package (qt6-base_6.4.2+dfsg.orig.tar.xz, without Debian's
# patches) and cached by version outside the build tree; Debian's host Qt 6.4.2 serves
# the host tools (moc, rcc, uic). Prints the installed prefix.
#   tools/windows/build-qt.sh            build when the cache is absent
# Minimal on purpose: Core, Gui, Widgets; no network, sql, dbus, OpenGL or tablet events
# (MinGW lacks wintab.h), no DirectWrite 3 (the platform plugin would need Direct2D), no
# dynamic GL (Qt 6.4.2's Windows plugin does not build with it when OpenGL is off).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=6.4.2
cache=${MCT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mct}
prefix=$cache/qt-$version-mingw64
src=$cache/src
notices=$prefix/share/qt-third-party-licences.txt

# The licences of the third-party code built into Qt's Windows DLLs, for the package's
# licence file; taken from the same tarball.
write_notices() {
    local parts=(blake2/COPYING double-conversion/LICENSE easing/LICENSE freetype/LICENSE.txt
        harfbuzz-ng/COPYING icc/LICENSE.txt libjpeg/LICENSE libpng/LICENSE md4c/LICENSE.md
        pcre2/LICENCE pcre2/LICENCE-SLJIT pixman/LICENSE rfc6234/LICENSE tinycbor/LICENSE
        zlib/LICENSE)
    local tmp part
    tmp=$(mktemp -d)
    tar -xf "$src"/qt6-base_"$version"*.orig.tar.xz -C "$tmp" --wildcards \
        "${parts[@]/#/*/src/3rdparty/}"
    mkdir -p "$(dirname "$notices")"
    for part in "${parts[@]}"; do
        printf '\n\n--- %s (in Qt: src/3rdparty/%s) ---\n\n' "${part%%/*}" "$part"
        cat "$tmp"/*/src/3rdparty/"$part"
    done >"$notices"
    rm -rf "$tmp"
}

if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    [ -f "$notices" ] || write_notices
    echo "$prefix"
    exit 0
fi
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
# The source package comes from the same archive the machine installs from.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $version"; then
    uri=$(grep -h -m1 '^URIs:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | awk '{print $2}')
    uri=${uri:-http://deb.debian.org/debian}
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$uri" | "${sudo[@]}" tee /etc/apt/sources.list.d/mct-debian-src.sources >/dev/null
    "${sudo[@]}" apt-get update -qq
fi
mkdir -p "$src"
(cd "$src" && ls qt6-base_"$version"*.orig.tar.xz >/dev/null 2>&1 || apt-get source --download-only qt6-base >/dev/null)
work=$cache/qt-$version-mingw64-build
rm -rf "$work"
mkdir -p "$work"
tar -xf "$src"/qt6-base_"$version"*.orig.tar.xz -C "$work"
qtbase=$(find "$work" -maxdepth 1 -mindepth 1 -type d | head -1)
cmake -S "$qtbase" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_WITH_PCH=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_directwrite3=OFF -DFEATURE_dynamicgl=OFF \
    -DFEATURE_concurrent=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF \
    >"$work/configure.log"
cmake --build "$work/build" >"$work/build.log"
cmake --install "$work/build" >/dev/null
# Shipped as they are installed: without their symbol tables.
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
write_notices
rm -rf "$work"
echo "$prefix"
