#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Scallywise need; only those missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-tools-dev-tools
  libqt6opengl6-dev libxcb1-dev libx11-dev libxfixes-dev
  xvfb xauth x11-utils x11-apps xdotool imagemagick openbox weston qt6-wayland
  pulseaudio pulseaudio-utils sox libsox-fmt-base espeak-ng
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils libcups2-dev
  fontconfig fonts-liberation2 fonts-dejavu-core fonts-comic-neue fonts-texgyre
  dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi
  desktop-file-utils appstream dpkg-dev file time
  lintian reuse man-db libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
