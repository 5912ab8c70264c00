#!/bin/bash
# cmake --install into a scratch root: every file where the desktop expects it.
#   install-tree.sh BUILD_DIR VERSION PROGRAM
set -euo pipefail
build=$1 version=$2 program=$3
here="$(dirname "${BASH_SOURCE[0]}")"
if [[ -z "$program" ]]; then echo "skipped: the program is not part of this build"; exit 77; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
"$here/check-installed-tree.sh" "$scratch/root" /usr "$version"
