#!/usr/bin/env bash
# The Debian package builds, declares what the program needs at run time, unpacks into a scratch
# root, and the program run from there finds its wave clips there: its opening clip is heard on a
# real sound server when the game window opens.
# Usage: package-test.sh BUILD-DIR VERSION
source "$(dirname "$0")/lib.sh"
build=$(realpath "$1")
version=$2

cpack --config "$build/CPackConfig.cmake" -B "$RUN/pkg" >"$RUN/cpack.log" 2>&1 || { cat "$RUN/cpack.log"; fail "cpack failed"; }
debs=("$RUN"/pkg/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}
[[ $(dpkg-deb -f "$deb" Package) == scallywise && $(dpkg-deb -f "$deb" Version) == "$version" ]] ||
    fail "the package is $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)"
echo "ok   cpack builds scallywise $version ($(basename "$deb"))"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sort -u)
for need in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libxcb1 \
    fonts-liberation2 fonts-dejavu-core fonts-comic-neue fonts-texgyre; do
    grep -qx "$need" <<<"$names" || fail "the package does not depend on $need: $depends"
done
# Every name it gives is a real package: here, where the program was built and runs, each is installed.
for name in $names; do
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
        fail "the package depends on $name, which is not a package installed here"
done
echo "ok   it depends on Qt (Widgets, Multimedia, PrintSupport), libxcb and the font packages"

root="$RUN/root"
dpkg -x "$deb" "$root"
for file in usr/bin/scallywise usr/share/scallywise/waves/must.wav usr/share/applications/org.scallywise.Scallywise.desktop \
    usr/share/metainfo/org.scallywise.Scallywise.metainfo.xml usr/share/icons/hicolor/scalable/apps/org.scallywise.Scallywise.svg; do
    [[ -s "$root/$file" ]] || fail "the package holds no /$file"
done
echo "ok   dpkg -x unpacks the program, its clips, menu entry, metainfo and icons"

# The unpacked program, with no other data folder to fall back on, opens the game window, whose
# load handler plays the opening clip.
start_x 1024x768
start_sound
mkdir -p "$RUN/no-data"
parec -d test.monitor --rate=44100 --channels=2 --format=s16le --latency-msec=20 >"$RUN/capture.raw" &
started_pids+=($!)
recorder=$!
start_program pid env -u SCALLYWISE_WAVES_DIR XDG_DATA_HOME="$RUN/no-data" XDG_DATA_DIRS="$RUN/no-data" \
    "$root/usr/bin/scallywise"
title=$(find_window SCALLYWISE) || fail "the unpacked program did not show its title window"
xdotool windowactivate --sync "$title" key Return
game=$(find_window 'Scallywise!') || fail "the unpacked program did not open its game window"
clip=$("$PY" "$HERE/audible.py" "$root/usr/share/scallywise/waves/must.wav")
sleep "$(awk -v c="$clip" 'BEGIN {print c + 1.5}')"
kill "$recorder"
close_window "$game"
program_status "$pid" >/dev/null || fail "the unpacked program did not end with its game window"

heard=$("$PY" "$HERE/audible.py" "$RUN/capture.raw")
awk -v h="$heard" -v c="$clip" 'BEGIN {exit !(h > c - 0.3 && h < c + 0.3)}' ||
    fail "the opening clip lasts ${clip} s, but ${heard} s of sound was heard"
echo "ok   the unpacked program plays its opening clip from the scratch root: ${heard} s heard, ${clip} s in the clip"
