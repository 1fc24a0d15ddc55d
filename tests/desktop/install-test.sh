#!/usr/bin/env bash
# `cmake --install` puts the program, its clip player, its wave clips, its menu entry, its icons, its metainfo, its
# manual page and its copyright where a desktop finds them, and the desktop's own validators accept
# the entry and the metainfo.
# Usage: install-test.sh BUILD-DIR APP-ID VERSION
source "$(dirname "$0")/lib.sh"
build=$1 id=$2 version=$3
root="$RUN/root"

cmake --install "$build" --prefix "$root" >"$RUN/install.log" 2>&1 || { cat "$RUN/install.log"; fail "cmake --install failed"; }

[[ -x "$root/games/scallywise" ]] || fail "no program in games/"
for clip in must curses voices fleet; do
    [[ -s "$root/share/scallywise/waves/$clip.wav" ]] || fail "no $clip.wav in share/scallywise/waves/"
done
# The game's clip player, in the package's private program folder, ends when its input does.
player="$root/libexec/scallywise/scallywise-player"
[[ -x $player ]] || fail "no clip player in libexec/scallywise/"
timeout 30 "$player" </dev/null >/dev/null 2>"$RUN/player.err" || { cat "$RUN/player.err"; fail "the clip player did not end with its input"; }
echo "ok   the program in games/, its clip player in libexec/scallywise/, its four clips in share/scallywise/waves/"

for file in share/man/man6/scallywise.6.gz share/doc/scallywise/copyright share/doc/scallywise/changelog.gz; do
    [[ -s "$root/$file" ]] || fail "no $file"
done
gzip -dc "$root/share/man/man6/scallywise.6.gz" >"$RUN/scallywise.6"
# groff 1.23 (Debian 13) underlines and bolds with SGR escapes, which col -b leaves in; 1.22
# (Debian 12) overstrikes. Asked for overstriking, both give text that col -b cleans.
export GROFF_NO_SGR=1
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$RUN/scallywise.6" >"$RUN/manual.txt" 2>"$RUN/manual.err" ||
    { cat "$RUN/manual.err"; fail "man cannot show the manual page"; }
[[ ! -s "$RUN/manual.err" ]] || { cat "$RUN/manual.err"; fail "man warns about the manual page"; }
# Read as one line, wide enough that nothing is hyphenated, its justifying spaces squeezed.
LC_ALL=C.UTF-8 MANWIDTH=1000 man -l -Tutf8 "$RUN/scallywise.6" 2>/dev/null | col -b | tr -s ' \n' ' ' >"$RUN/manual.line"
for says in "takes no options" "/usr/share/scallywise/waves" "Scallywise certificate.pdf" "Documents" "scallywise $version"; do
    grep -qF "$says" "$RUN/manual.line" || fail "the manual page does not say \"$says\""
done
echo "ok   the manual page in share/man/man6/ shows without warnings; copyright and changelog in share/doc/scallywise/"

entry="$root/share/applications/$id.desktop"
desktop-file-validate "$entry" >"$RUN/entry.out" 2>&1 || { cat "$RUN/entry.out"; fail "desktop-file-validate rejects the menu entry"; }
! grep -E "error|warning" "$RUN/entry.out" || fail "desktop-file-validate finds fault with the menu entry"
echo "ok   desktop-file-validate accepts $id.desktop"

metainfo="$root/share/metainfo/$id.metainfo.xml"
# Its exit status counts warnings too; what it says is judged below, tag by tag.
appstreamcli validate --no-net --pedantic "$metainfo" >"$RUN/metainfo.out" 2>&1 || true
grep -qE 'Validation (was successful|failed)' "$RUN/metainfo.out" ||
    { cat "$RUN/metainfo.out"; fail "appstreamcli could not validate the metainfo"; }
# The id keeps its reverse-DNS capitals, which the menu entry's name and the icon share.
expected=' cid-contains-uppercase-letter '
# The project has no web page yet: AppStream 1.0 (Debian 13) warns of that, 0.16 (Debian 12) does not.
grep -q '<url type="homepage">' "$metainfo" || expected="$expected| url-homepage-missing\$"
if grep -E '^[EWIP]:' "$RUN/metainfo.out" | grep -vE "$expected"; then
    fail "appstreamcli validate --pedantic finds fault with the metainfo"
fi
echo "ok   appstreamcli validate --pedantic accepts $id.metainfo.xml"

# The pieces must agree: the entry runs the installed program by its full path (games/ is not on
# every PATH), its icon is in the theme, the metainfo launches the entry and carries the version of
# this build and the licences.
"$PY" - "$root" "$id" "$version" <<'PY' || fail "the installed files do not fit together"
import configparser, struct, sys, xml.etree.ElementTree as ET
root, app_id, version = sys.argv[1:]
bad = []
entry = configparser.ConfigParser(interpolation=None)
entry.read(f"{root}/share/applications/{app_id}.desktop")
desktop = entry["Desktop Entry"]
if desktop.get("Icon") != app_id:
    bad.append(f"the entry's icon is {desktop.get('Icon')}")
if desktop.get("Exec") != f"{root}/games/scallywise":
    bad.append(f"the entry runs {desktop.get('Exec')}")
if not {"Education", "Game"} <= set(filter(None, desktop.get("Categories", "").split(";"))):
    bad.append("the entry is not in Education and Game")
for size in (16, 24, 32, 48, 64, 128, 256):
    path = f"{root}/share/icons/hicolor/{size}x{size}/apps/{app_id}.png"
    try:
        head = open(path, "rb").read(24)
        if head[:8] != b"\x89PNG\r\n\x1a\n" or struct.unpack(">II", head[16:24]) != (size, size):
            bad.append(f"{path} is not a {size} x {size} PNG")
    except OSError:
        bad.append(f"no {size} x {size} icon")
try:
    svg = ET.parse(f"{root}/share/icons/hicolor/scalable/apps/{app_id}.svg").getroot()
    if not svg.tag.endswith("svg"):
        bad.append("the scalable icon is not an SVG")
except (OSError, ET.ParseError) as e:
    bad.append(f"no readable scalable icon: {e}")
meta = ET.parse(f"{root}/share/metainfo/{app_id}.metainfo.xml").getroot()
if meta.findtext("id") != app_id:
    bad.append(f"the metainfo's id is {meta.findtext('id')}")
if meta.findtext("launchable") != f"{app_id}.desktop":
    bad.append(f"the metainfo launches {meta.findtext('launchable')}")
releases = [r.get("version") for r in meta.iter("release")]
if releases[:1] != [version]:
    bad.append(f"the metainfo's latest release is {releases[:1]}, not {version}")
if meta.findtext("project_license") != "GPL-3.0-or-later AND CC-BY-SA-4.0":
    bad.append(f"the metainfo's project licence is {meta.findtext('project_license')}")
for element in meta.iter():
    if "example" in (element.text or ""):
        bad.append(f"the metainfo's {element.tag} points at nothing: {element.text}")
if meta.find("content_rating") is None:
    bad.append("the metainfo has no content rating")
for b in bad:
    print("  " + b)
sys.exit(1 if bad else 0)
PY
echo "ok   the entry runs the installed program; its icon is installed at every size and as SVG; the metainfo launches the entry, release $version, and names the licences"
