#!/bin/bash
# Checks that an installed tree has every file where the desktop looks for it.
#   check-installed-tree.sh ROOT PREFIX VERSION
# ROOT is the scratch root (a DESTDIR or an unpacked package), PREFIX the
# installation prefix inside it, VERSION the program's version.
set -euo pipefail
root=$1 prefix=$2 version=$3
id=org.example.Burrowbop
usr="$root$prefix"
desktop="$usr/share/applications/$id.desktop"
metainfo="$usr/share/metainfo/$id.metainfo.xml"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[[ -x "$usr/bin/burrowbop" ]] || fail "no executable $prefix/bin/burrowbop"
file -b "$usr/bin/burrowbop" | grep -q '^ELF' || fail "bin/burrowbop is not an ELF program"
[[ -f "$desktop" ]] || fail "no desktop entry $prefix/share/applications/$id.desktop"
[[ -f "$metainfo" ]] || fail "no metainfo $prefix/share/metainfo/$id.metainfo.xml"
((failures == 0)) || exit 1

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli rejects the metainfo"

entry() { sed -n "s/^$1=//p" "$desktop"; }
[[ "$(entry Name)" == Burrowbop ]] || fail "Name is '$(entry Name)'"
[[ "$(entry 'Name\[zh_CN\]')" == 敲洞乐 ]] || fail "Name[zh_CN] is '$(entry 'Name\[zh_CN\]')'"
[[ "$(entry Categories)" == "Game;ArcadeGame;" ]] || fail "Categories is '$(entry Categories)'"
[[ "$(entry Icon)" == "$id" ]] || fail "Icon is '$(entry Icon)'"

# The menu starts the launcher by its absolute path; the launcher starts
# the installed program, both at their places under the prefix.
exec_line=$(entry Exec)
[[ "$exec_line" == "$prefix/libexec/burrowbop/launch" ]] || fail "Exec is '$exec_line'"
[[ "$(entry TryExec)" == "$exec_line" ]] || fail "TryExec differs from Exec"
[[ -x "$root$exec_line" ]] || fail "the launcher $exec_line is missing or not executable"
grep -qx "exec \"$prefix/bin/burrowbop\" \"\$@\"" "$root$exec_line" \
    || fail "the launcher does not start $prefix/bin/burrowbop"

grep -q "<release version=\"$version\"" "$metainfo" \
    || fail "the metainfo has no release $version"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "the metainfo does not name the desktop entry"

# The icon theme looks up the icon by name in each size's apps directory.
for n in 16 32 48 64 128 256; do
    png="$usr/share/icons/hicolor/${n}x${n}/apps/$id.png"
    if [[ ! -f "$png" ]]; then
        fail "no ${n}x${n} icon"
    elif ! file -b "$png" | grep -q "^PNG image data, $n x $n,"; then
        fail "the ${n}x${n} icon is $(file -b "$png")"
    fi
done
svg="$usr/share/icons/hicolor/scalable/apps/$id.svg"
if [[ -e "$svg" ]]; then
    grep -q '<svg' "$svg" || fail "the scalable icon is no SVG"
fi

# Nothing lands outside the prefix.
stray=$(cd "$root" && find . -mindepth 1 \( -type f -o -type l \) ! -path ".$prefix/*")
[[ -z "$stray" ]] || fail "files outside $prefix: $stray"

((failures == 0)) || exit 1
echo "installed tree under $prefix is complete:"
(cd "$usr" && find . -type f | sort | sed 's|^\.|  '"$prefix"'|')
