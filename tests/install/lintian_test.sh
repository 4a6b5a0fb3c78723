#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# usage: lintian_test.sh BUILD_DIR SOURCE_DIR
# The .deb that CPack builds passes lintian with no error and no warning, and holds
# together where lintian does not look: the changelog and the AppStream releases name
# the package's version, the copyright file defines every licence it names, and the
# screenshots the metadata lists are the ones in docs/.
set -euo pipefail
build=$1
source=$2

# CTest counts exit status 77 as skipped (SKIP_RETURN_CODE).
if ! command -v lintian >/dev/null; then
    echo "skipped: lintian is not installed (apt-get install lintian; ./dev test installs it)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)

# lintian's own exit status says only whether it could check the package (--fail-on
# none); the tags are judged below, every level shown, none hidden by a developer's
# lintianrc (--no-cfg). Its complaint about running as root goes to stderr and is no tag.
set +e
lintian --no-cfg --fail-on none --display-level '>=pedantic' --tag-display-limit 0 "$deb" \
    >"$work/tags" 2>"$work/stderr"
status=$?
set -e
grep -v 'running with root privileges' "$work/stderr" || true
[ $status -eq 0 ] || fail "lintian could not check $deb (status $status)"
echo "lintian tags (errors and warnings fail the test):"
cat "$work/tags"
if grep -q '^[EW]: ' "$work/tags"; then
    fail "lintian reports errors or warnings on $(basename "$deb")"
fi

version=$(dpkg-deb --field "$deb" Version)
dpkg-deb -x "$deb" "$work/root"
doc=$work/root/usr/share/doc/monte-carlo-teaching

# A new version without a changelog entry would ship the old entry as the newest.
zcat "$doc/changelog.gz" >"$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$logged" = "$version" ] || fail "changelog's newest entry is $logged, the package is $version"

# Every licence a Files paragraph names has its text in a paragraph of its own.
head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
missing=$(awk '
    /^$/ { files = 0; next }
    /^Files:/ { files = 1 }
    /^License:/ {
        name = $2
        if (files) named[name] = 1
        else defined[name] = 1
    }
    END { for (name in named) if (!(name in defined)) print name }
' "$doc/copyright")
[ -z "$missing" ] || fail "copyright names licences it does not define: $missing"
grep -q '^Files: data/\*\.dat' "$doc/copyright" || fail "copyright has no paragraph for the data files"

for metainfo in "$work"/root/usr/share/metainfo/*.metainfo.xml; do
    id=$(basename "$metainfo" .metainfo.xml)
    # releases are listed newest first
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] || fail "$id: newest release is '$newest', the package is $version"
    grep -q '<release version="[^"]*" date="[0-9-]*"' "$metainfo" || fail "$id: release without a date"
    shots=$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's/<[^>]*>//g')
    [ -n "$shots" ] || fail "$id lists no screenshot"
    for url in $shots; do
        [ -f "$source/docs/$(basename "$url")" ] || fail "$id: screenshot $url is not in docs/"
    done
    [ "$(grep -c '<caption>' "$metainfo")" -eq "$(grep -c '<screenshot[ >]' "$metainfo")" ] ||
        fail "$id: a screenshot without a caption"
done

echo "$(basename "$deb"): lintian clean, changelog, copyright and metadata agree"
