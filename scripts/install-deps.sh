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
  fonts-noto-core fonts-noto-cjk
  fonts-noto-color-emoji  # on most desktops; the certificate must not take its emoji from it
  dbus dbus-x11 at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi
  orca speech-dispatcher speech-dispatcher-espeak-ng
  qt6ct qt6-gtk-platformtheme  # the dark colour schemes a family's desktop may set
  pipewire pipewire-pulse wireplumber  # the other sound server a desktop may run
  desktop-file-utils appstream dpkg-dev file time
  lintian reuse man-db libglib2.0-bin
  git ccache devscripts
)

# A name may be a real package on one release and only provided by another package on the next
# (Debian 13's qt6-base-dev provides libqt6opengl6-dev): either way, installed is installed.
declare -A present=()
while read -r name provides; do
  present[$name]=1
  for p in ${provides//,/ }; do
    [[ $p == "("* || $p == *")" || $p == "=" ]] || present[$p]=1
  done
done < <(dpkg-query -W -f='${db:Status-Status} ${Package} ${Provides}\n' 2>/dev/null | sed -n 's/^installed //p')

missing=()
for p in "${packages[@]}"; do
  [[ -n "${present[$p]:-}" ]] || missing+=("$p")
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
