#!/usr/bin/env bash
# debian/copyright says what .reuse/dep5 says, with the licence texts: it is the file the build makes
# from that record (packaging/DebianCopyright.cmake), kept in the source package because Debian's
# tools read it from there.
# Usage: debian-copyright-test.sh SOURCE-DIR MADE-COPYRIGHT
set -euo pipefail
src=$1 made=$2
[[ -s $made ]] || { echo "FAIL: the build made no $made" >&2; exit 1; }
diff -u "$src/debian/copyright" "$made" ||
    { echo "FAIL: debian/copyright (-) is not what the build makes from .reuse/dep5 (+): make it again with" >&2
      echo "  cmake -DSOURCE_DIR=. -DOUTPUT=debian/copyright -P packaging/DebianCopyright.cmake" >&2; exit 1; }
echo "ok   debian/copyright is what .reuse/dep5 and LICENSES/ make"
