#!/usr/bin/env bash
# Every file of the source tree says under which licence it is, as `reuse lint` checks, and the
# licence texts in LICENSES/ are the real, whole texts: the same as Debian's own copies.
# Usage: licence-test.sh SOURCE-DIR
set -euo pipefail
src=$(realpath "$1")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# reuse tells the sources from build trees inside them by git's ignore rules.
if ! git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    echo "skip: $src is not a git checkout, so reuse cannot tell its build trees from its sources"
    exit 77
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
reuse --root "$src" lint >"$out" 2>&1 || { cat "$out"; fail "reuse lint finds files without copyright or licence"; }
echo "ok   reuse lint: $(grep -E 'Files with license information' "$out" | sed 's/^\* //')"

# Debian keeps these two in every installation (base-files); the other comes from the reuse package.
declare -A debian_copy=(
    [GPL-3.0-or-later]=/usr/share/common-licenses/GPL-3
    [CC0-1.0]=/usr/share/common-licenses/CC0-1.0
    [CC-BY-SA-4.0]=$(ls /usr/lib/python3/dist-packages/reuse-*.dist-info/LICENSES/CC-BY-SA-4.0.txt 2>/dev/null | head -1)
)
for licence in "${!debian_copy[@]}"; do
    copy=${debian_copy[$licence]}
    if [[ -z "$copy" ]]; then
        echo "note: no Debian copy of $licence to compare with"
        continue
    fi
    cmp -s "$src/LICENSES/$licence.txt" "$copy" || fail "LICENSES/$licence.txt differs from $copy"
done
echo "ok   LICENSES/ holds the same texts as Debian's copies: ${!debian_copy[*]}"
