#!/usr/bin/env bash
# scripts/install-deps.sh against a package database of the test's own: it asks apt-get for exactly
# the packages that are missing, counts a name another installed package provides as there, and
# once they are installed it installs nothing. Stand-in dpkg-query, apt-get, id and sudo come first
# on PATH, so no real package is looked up or installed.
# Usage: install-deps-test.sh SOURCE-DIR
set -euo pipefail
script="$1/scripts/install-deps.sh"
RUN=$(mktemp -d /tmp/scallywise-install-deps.XXXXXX)
trap 'rm -rf "$RUN"' EXIT
fail() { echo "FAIL $*" >&2; exit 1; }

# The database: one package a line, "status|name|provides" as dpkg keeps them.
db="$RUN/status" asked="$RUN/asked"
: >"$db"
mkdir "$RUN/bin"
cat >"$RUN/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
# Answers -W -f=FORMAT from the test's database, filling in the three fields the format may name.
format=
for arg; do [[ $arg == -f=* ]] && format=${arg#-f=}; done
[[ $format ]] || { echo "dpkg-query stand-in: only -W -f=FORMAT" >&2; exit 2; }
while IFS='|' read -r status name provides; do
    line=${format//'${db:Status-Status}'/$status}
    line=${line//'${Package}'/$name}
    line=${line//'${Provides}'/$provides}
    printf '%b' "$line"
done <"$STANDIN_DB"
EOF
cat >"$RUN/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
# Records what it was asked; "install" enters each named package in the database as installed.
echo "apt-get $*" >>"$STANDIN_ASKED"
[[ $* == *install* ]] || exit 0
for arg; do
    [[ $arg == -* || $arg == install ]] || echo "installed|$arg|" >>"$STANDIN_DB"
done
EOF
cat >"$RUN/bin/sudo" <<'EOF'
#!/usr/bin/env bash
echo "sudo $1" >>"$STANDIN_ASKED"
exec "$@"
EOF
# Not root, so the script has to go through sudo.
printf '#!/usr/bin/env bash\necho 1000\n' >"$RUN/bin/id"
chmod +x "$RUN/bin/"*
export STANDIN_DB="$db" STANDIN_ASKED="$asked"

run_script() {
    : >"$asked"
    PATH="$RUN/bin:$PATH" bash "$script" >"$RUN/out" 2>&1 </dev/null || { cat "$RUN/out"; fail "install-deps.sh failed"; }
}
installs() { sed -n 's/^apt-get install //p' "$asked" | tr ' ' '\n' | grep -v '^-' | grep . | sort || true; }

# On an empty machine it asks for everything it needs, through sudo, after updating the lists.
run_script
mapfile -t wanted < <(installs)
((${#wanted[@]} > 10)) || { cat "$asked"; fail "asked for only ${#wanted[@]} packages on an empty machine"; }
grep -qx "sudo apt-get" "$asked" || { cat "$asked"; fail "not root, yet apt-get ran without sudo"; }
grep -q "^apt-get update" "$asked" || { cat "$asked"; fail "installed without updating the package lists"; }
echo "ok   an empty machine: ${#wanted[@]} packages asked for, through sudo"

# Debian 13's qt6-base-dev provides libqt6opengl6-dev, which is no package of its own there.
for name in qt6-base-dev libqt6opengl6-dev; do
    printf '%s\n' "${wanted[@]}" | grep -qx "$name" || fail "the script no longer wants $name; choose another provided name"
done
missing=(sox ccache xdotool)  # xdotool: removed, its configuration files left behind
: >"$db"
for name in "${wanted[@]}"; do
    case "$name" in
    libqt6opengl6-dev | sox | ccache) ;;
    xdotool) echo "config-files|xdotool|" >>"$db" ;;
    qt6-base-dev) echo "installed|qt6-base-dev|libqt6opengl6-dev (= 6.8.2+dfsg-9), qt6-base-abi (= 6.8.2)" >>"$db" ;;
    *) echo "installed|$name|" >>"$db" ;;
    esac
done
echo "installed|unrelated-tool|sox-alike" >>"$db"

run_script
got=$(installs | tr '\n' ' ')
expected=$(printf '%s\n' "${missing[@]}" | sort | tr '\n' ' ')
[[ $got == "$expected" ]] || { cat "$asked"; fail "asked to install '$got', expected '$expected'"; }
echo "ok   a machine missing a few: only those asked for; a provided name counts as installed"

run_script
[[ ! -s $asked ]] || { cat "$asked"; fail "the second run asked apt-get: $(cat "$asked")"; }
echo "ok   the second run asks apt-get nothing"
