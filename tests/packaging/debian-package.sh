#!/bin/bash
# cpack -G DEB builds the package; unpacked into a scratch root its files are
# where the desktop expects them, and it depends on the libraries it links
# and on a font for the Chinese texts.
#   debian-package.sh BUILD_DIR VERSION PROGRAM
set -euo pipefail
build=$1 version=$2 program=$3
here="$(dirname "${BASH_SOURCE[0]}")"
if [[ -z "$program" ]]; then echo "skipped: the program is not part of this build"; exit 77; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; exit 1; }
deb="$scratch/out/burrowbop_${version}-1_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { echo "FAIL: no $(basename "$deb"); cpack made:"; ls "$scratch/out"; exit 1; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == burrowbop ]] || fail "Package is '$(field Package)'"
[[ "$(field Version)" == "$version-1" ]] || fail "Version is '$(field Version)'"
[[ "$(field Section)" == games ]] || fail "Section is '$(field Section)'"
depends=$(field Depends)
# shlibdeps must have found the libraries; the font comes from the rules.
for want in 'libc6 (' 'libstdc++6 (' 'libqt6core6 (' 'libqt6gui6 (' 'libqt6widgets6 (' \
            'libqt6multimedia6 (' 'fonts-wqy-zenhei'; do
    [[ "$depends" == *"$want"* ]] || fail "Depends lacks $want: $depends"
done

dpkg-deb -x "$deb" "$scratch/root"
file -b "$scratch/root/usr/bin/burrowbop" | grep -q 'stripped' \
    && ! file -b "$scratch/root/usr/bin/burrowbop" | grep -q 'not stripped' \
    || fail "the packaged program is not stripped"
((failures == 0)) || exit 1
"$here/check-installed-tree.sh" "$scratch/root" /usr "$version"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes," \
     "installed size $(field Installed-Size) KiB"
echo "Depends: $depends"
