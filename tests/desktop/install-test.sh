#!/usr/bin/env bash
# `cmake --install` puts the program, its wave clips, its menu entry, its icons and its metainfo
# where a desktop finds them, and the desktop's own validators accept the entry and the metainfo.
# Usage: install-test.sh BUILD-DIR APP-ID VERSION
source "$(dirname "$0")/lib.sh"
build=$1 id=$2 version=$3
root="$RUN/root"

cmake --install "$build" --prefix "$root" >"$RUN/install.log" 2>&1 || { cat "$RUN/install.log"; fail "cmake --install failed"; }

[[ -x "$root/bin/scallywise" ]] || fail "no program in bin/"
for clip in must curses voices fleet; do
    [[ -s "$root/share/scallywise/waves/$clip.wav" ]] || fail "no $clip.wav in share/scallywise/waves/"
done
echo "ok   the program in bin/, its four clips in share/scallywise/waves/"

entry="$root/share/applications/$id.desktop"
desktop-file-validate "$entry" >"$RUN/entry.out" 2>&1 || { cat "$RUN/entry.out"; fail "desktop-file-validate rejects the menu entry"; }
! grep -E "error|warning" "$RUN/entry.out" || fail "desktop-file-validate finds fault with the menu entry"
echo "ok   desktop-file-validate accepts $id.desktop"

metainfo="$root/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$RUN/metainfo.out" 2>&1 ||
    { cat "$RUN/metainfo.out"; fail "appstreamcli rejects the metainfo"; }
echo "ok   appstreamcli validate accepts $id.metainfo.xml"

# The pieces must agree: the entry's icon is in the theme, the metainfo launches the entry and
# carries the version of this build.
"$PY" - "$root" "$id" "$version" <<'PY' || fail "the installed files do not fit together"
import configparser, struct, sys, xml.etree.ElementTree as ET
root, app_id, version = sys.argv[1:]
bad = []
entry = configparser.ConfigParser(interpolation=None)
entry.read(f"{root}/share/applications/{app_id}.desktop")
desktop = entry["Desktop Entry"]
if desktop.get("Icon") != app_id:
    bad.append(f"the entry's icon is {desktop.get('Icon')}")
if desktop.get("Exec") != "scallywise":
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
if meta.find("screenshots/screenshot/image") is None:
    bad.append("the metainfo has no screenshot")
if meta.find("content_rating") is None:
    bad.append("the metainfo has no content rating")
for b in bad:
    print("  " + b)
sys.exit(1 if bad else 0)
PY
echo "ok   the entry's icon is installed at every size and as SVG; the metainfo launches the entry, release $version"
