#!/bin/bash
# The menu's launcher starts the game in the player's data directory for the
# game, creating it when missing, so that rat.ini lands there.
#   menu-launcher.sh BUILD_DIR PROGRAM
set -euo pipefail
build=$1 program=$2
if [[ -z "$program" ]]; then echo "skipped: the program is not part of this build"; exit 77; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
launcher="$prefix/libexec/burrowbop/launch"

# A stand-in for the game that reports where it was started.
cat >"$prefix/bin/burrowbop" <<'STUB'
#!/bin/sh
pwd >"$STARTED_IN"
STUB

failures=0
touch "$scratch/blocker"
# name | HOME | XDG_DATA_HOME ("-" unset, "(empty)" empty) | expected directory ("-": must not start)
while IFS='|' read -r name home data expected; do
    rm -f "$scratch/started-in"
    status=0
    (
        cd /
        export HOME="$scratch/$home" STARTED_IN="$scratch/started-in"
        case "$data" in
            -) unset XDG_DATA_HOME ;;
            "(empty)") export XDG_DATA_HOME= ;;
            *) export XDG_DATA_HOME="$data" ;;
        esac
        exec "$launcher"
    ) 2>"$scratch/stderr" || status=$?
    if [[ "$expected" == - ]]; then
        if ((status == 0)) || [[ -e "$scratch/started-in" ]]; then
            echo "FAIL $name: the game started although its directory cannot be made"
            failures=$((failures + 1))
        fi
        continue
    fi
    want="$scratch/$expected"
    got=$(cat "$scratch/started-in" 2>/dev/null || echo "(not started, status $status: $(cat "$scratch/stderr"))")
    if [[ "$got" != "$want" ]]; then
        echo "FAIL $name: started in $got, expected $want"
        failures=$((failures + 1))
    fi
done <<CASES
default data directory, created with its parents|home|-|home/.local/share/burrowbop
empty XDG_DATA_HOME means the default|home|(empty)|home/.local/share/burrowbop
absolute XDG_DATA_HOME|home|$scratch/data dir|data dir/burrowbop
relative XDG_DATA_HOME is ignored|home|relative/data|home/.local/share/burrowbop
existing directory is reused|home|-|home/.local/share/burrowbop
a file in the way stops the start|home|$scratch/blocker|-
CASES
((failures == 0)) || exit 1
echo "the launcher starts the game in \${XDG_DATA_HOME:-\$HOME/.local/share}/burrowbop"
