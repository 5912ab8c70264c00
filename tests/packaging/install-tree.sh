#!/bin/bash
# cmake --install into a scratch root: every file where the desktop expects it.
#   install-tree.sh BUILD_DIR SOURCE_DIR VERSION PROGRAM
set -euo pipefail
build=$1 source=$2 version=$3 program=$4
here="$(dirname "${BASH_SOURCE[0]}")"
if [[ -z "$program" ]]; then echo "skipped: the program is not part of this build"; exit 77; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
icons=no; [[ -d "$source/assets/icons/hicolor" ]] && icons=yes
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
"$here/check-installed-tree.sh" "$scratch/root" /usr "$version" "$icons"
