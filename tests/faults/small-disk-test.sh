#!/usr/bin/env bash
# Runs the saving tests in a private mount namespace when root may make one, so that the small
# filesystems they mount are seen by no other program; elsewhere as they are, and the cases that
# need mounts skip with the reason.
# Usage: small-disk-test.sh <test program> [arguments...]
set -euo pipefail
program=$1
shift
if [[ $(id -u) -eq 0 ]] && unshare -m --propagation private true 2>/dev/null; then
  exec unshare -m --propagation private "$program" "$@"
fi
echo "no private mount namespace here (not root, or unshare refused): the cases on small filesystems skip"
exec "$program" "$@"
