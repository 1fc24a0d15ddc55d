#!/usr/bin/env bash
# The Debian package that dpkg-buildpackage made (scripts/build-package.sh runs this beside it) declares
# what the program needs at run time and holds what `cmake --install` of its build tree installs, at
# the same paths. It unpacks into a scratch root, and the program run from there finds its wave clips
# there: its opening clip is heard on a real sound server when the game window opens. Installed with
# apt (as root), its menu entry starts the game; the package is removed again however the test ends.
# Usage: package-test.sh DEB BUILD-DIR
source "$(dirname "$0")/lib.sh"
deb=$(realpath "$1")
build=$(realpath "$2")

# What dpkg knows of the package here: installed, config-files, ... or not-installed.
package_state() {
    dpkg-query -W -f='${db:Status-Status}' scallywise 2>/dev/null || echo not-installed
}

# Taken off the system on any exit, and an interrupted test exits.
installed_here=""
remove_installed() {
    [[ -n "$installed_here" ]] || return 0
    [[ $(package_state) != not-installed ]] || { installed_here=""; return 0; }
    apt-get purge -y -q -o DPkg::Lock::Timeout=120 scallywise >"$RUN/purge.log" 2>&1 </dev/null ||
        { cat "$RUN/purge.log" >&2; echo "FAIL: could not remove the installed package" >&2; return 1; }
    installed_here=""
}
# (finish takes the exit status from $?, so it is set again just before; errexit is off meanwhile,
# or a failing status would end the trap before finish stopped the servers.)
trap 'status=$?; set +e; remove_installed || status=1; (exit $status); finish' EXIT
trap 'exit 130' INT TERM HUP

[[ $(dpkg-deb -f "$deb" Package) == scallywise ]] || fail "the package is $(dpkg-deb -f "$deb" Package)"
# A native package: its version is the program's.
version=$(dpkg-deb -f "$deb" Version)
program_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ $version == "$program_version" ]] || fail "the package is version $version of the program, which is $program_version"
echo "ok   the package is scallywise $(dpkg-deb -f "$deb" Version), of the program's version $version"

[[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "the package is in section $(dpkg-deb -f "$deb" Section)"
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/scallywise/changelog.gz | gzip -dc >"$RUN/changelog"
[[ $(dpkg-parsechangelog -l "$RUN/changelog" -S Version) == "$version" ]] ||
    fail "the changelog's latest entry is $(dpkg-parsechangelog -l "$RUN/changelog" -S Version), not $version"
released=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/metainfo/org.scallywise.Scallywise.metainfo.xml |
    sed -n 's/.*<release version="[^"]*" date="\([^"]*\)".*/\1/p' | head -1)
changed=$(date -u -d "$(dpkg-parsechangelog -l "$RUN/changelog" -S Date)" +%F)
[[ $changed == "$released" ]] || fail "the changelog dates $version $changed, the metainfo $released"
echo "ok   section games; the changelog's latest entry is $version of $released, as the metainfo says"

# The package holds what `cmake --install` installs, at the same paths, under /usr.
cmake --install "$build" --prefix "$RUN/prefix" >"$RUN/install.log" 2>&1 || { cat "$RUN/install.log"; fail "cmake --install failed"; }
(cd "$RUN/prefix" && find . ! -type d | sed 's|^\./||' | sort) >"$RUN/installed.txt"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort >"$RUN/packaged.txt"
diff "$RUN/installed.txt" "$RUN/packaged.txt" >"$RUN/paths.diff" ||
    { cat "$RUN/paths.diff"; fail "cmake --install (<) and the package (>) disagree"; }
echo "ok   the package holds the $(wc -l <"$RUN/packaged.txt") files that cmake --install installs, at the same paths"

depends=$(dpkg-deb -f "$deb" Depends)
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sort -u)
# Debian 13 moved to a 64-bit time_t and renamed the libraries whose interface that changes with a
# "t64" suffix (libqt6core6t64); Debian 12's names have none.
t64=""
[[ $(cut -d. -f1 /etc/debian_version) -lt 13 ]] 2>/dev/null || t64=t64
for need in libqt6core6$t64 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libxcb1 \
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
for file in usr/games/scallywise usr/libexec/scallywise/scallywise-player usr/share/scallywise/waves/must.wav usr/share/applications/org.scallywise.Scallywise.desktop \
    usr/share/metainfo/org.scallywise.Scallywise.metainfo.xml usr/share/icons/hicolor/scalable/apps/org.scallywise.Scallywise.svg; do
    [[ -s "$root/$file" ]] || fail "the package holds no /$file"
done
echo "ok   dpkg -x unpacks the program, its clip player, its clips, menu entry, metainfo and icons"

# Built as Debian builds its own packages: what hardening-check reads in the stripped program
# (PIE, stack protector, fortified libc calls, read-only relocations bound at start). Not asked:
# control-flow protection, which Debian 12's dpkg-buildflags does not give and whose marker
# hardening-check does not find on Debian 13 either, and branch protection, an arm64 feature that
# Debian 13's hardening-check asks of every architecture.
unasked=(--nocfprotection)
# (Its help is read whole first: grep -q stopping early would break the pipe under pipefail.)
help=$(hardening-check --help 2>&1 || true)
[[ $help != *--nobranchprotection* ]] || unasked+=(--nobranchprotection)
hardening-check "${unasked[@]}" "$root/usr/games/scallywise" "$root/usr/libexec/scallywise/scallywise-player" \
    >"$RUN/hardening.out" 2>&1 || { cat "$RUN/hardening.out"; fail "the packaged programs lack Debian's hardening"; }
echo "ok   hardening-check finds the game and its clip player hardened: $(grep -c ': yes' "$RUN/hardening.out") checks say yes"

# The unpacked program, with no other data folder to fall back on, opens the game window, whose
# load handler plays the opening clip.
start_x 1024x768
start_sound
mkdir -p "$RUN/no-data"
parec -d test.monitor --rate=44100 --channels=2 --format=s16le --latency-msec=20 >"$RUN/capture.raw" &
started_pids+=($!)
recorder=$!
start_program pid env -u SCALLYWISE_WAVES_DIR XDG_DATA_HOME="$RUN/no-data" XDG_DATA_DIRS="$RUN/no-data" \
    "$root/usr/games/scallywise"
title=$(find_window SCALLYWISE) || fail "the unpacked program did not show its title window"
xdotool windowactivate --sync "$title" key Return
game=$(find_window 'Scallywise!') || fail "the unpacked program did not open its game window"
# Judged by the sound's time added up, which a busy machine's stutter leaves as it is: recorded until
# all of the clip has sounded, and a second more, in which nothing more may sound.
clip=$("$PY" "$HERE/audible.py" --sounding "$root/usr/share/scallywise/waves/must.wav")
clip_heard() {
    awk -v h="$("$PY" "$HERE/audible.py" --sounding "$RUN/capture.raw")" -v c="$clip" 'BEGIN {exit !(h > c - 0.1)}'
}
wait_until 60 clip_heard || true
sleep 1
kill "$recorder"
close_window "$game"
program_status "$pid" >/dev/null || fail "the unpacked program did not end with its game window"

heard=$("$PY" "$HERE/audible.py" --sounding "$RUN/capture.raw")
awk -v h="$heard" -v c="$clip" 'BEGIN {exit !(h > c - 0.3 && h < c + 0.3)}' ||
    fail "the opening clip sounds for ${clip} s, but ${heard} s of sound was heard"
echo "ok   the unpacked program plays its opening clip from the scratch root: ${heard} s heard, ${clip} s in the clip"

# Installed as a person installs it, apt resolving its dependencies from the packages installed here
# (apt's plan must hold nothing to download), its menu entry starts the game as a desktop's menu does.
# Its Recommends (CUPS, qt6-wayland, ...) are left out: a clean build chroot has none of them.
entry=/usr/share/applications/org.scallywise.Scallywise.desktop
if [[ $(id -u) -ne 0 ]]; then
    echo "skip installing with apt: that needs root"
elif [[ $(package_state) != not-installed ]]; then
    echo "skip installing with apt: scallywise is installed on this machine already, and is left alone"
else
    apt-get install -s -q --no-install-recommends "$deb" >"$RUN/apt-plan.log" 2>&1 </dev/null ||
        { cat "$RUN/apt-plan.log"; fail "apt-get cannot install $(basename "$deb")"; }
    plan=$(awk '$1 == "Inst" {print $2}' "$RUN/apt-plan.log" | sort | tr '\n' ' ')
    [[ $plan == "scallywise " ]] || fail "apt would install more than the package: $plan"
    installed_here=yes
    apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=120 "$deb" >"$RUN/apt.log" 2>&1 </dev/null ||
        { cat "$RUN/apt.log"; fail "apt-get install $(basename "$deb") failed"; }
    dpkg-query -W -f='${Status}' scallywise | grep -q "install ok installed" || fail "apt did not install the package"
    echo "ok   apt-get install $(basename "$deb") installs it"

    # gio starts the entry as a desktop menu does: its Exec line, in a session of our own.
    start_session_bus
    gio launch "$entry" >"$RUN/gio.log" 2>&1 ||
        { cat "$RUN/gio.log"; fail "gio could not launch $entry"; }
    title=$(find_window SCALLYWISE) || fail "the menu entry did not start the game"
    menu_pid=$(xdotool getwindowpid "$title")
    started_pids+=("$menu_pid")
    [[ $(readlink "/proc/$menu_pid/exe") == /usr/games/scallywise ]] ||
        fail "the menu entry started $(readlink "/proc/$menu_pid/exe"), not /usr/games/scallywise"
    xdotool windowactivate --sync "$title" key Return
    game=$(find_window 'Scallywise!') || fail "the installed game did not open its game window"
    close_window "$game"
    wait_until 30 sh -c "! kill -0 $menu_pid" || fail "the installed game did not end with its game window"
    echo "ok   its menu entry ($(grep '^Exec=' "$entry")) starts the installed game"

    remove_installed || fail "apt-get purge scallywise failed"
    [[ ! -e /usr/games/scallywise && ! -e "$entry" ]] || fail "the package left files behind"
    echo "ok   apt-get purge scallywise removes it again"
fi
