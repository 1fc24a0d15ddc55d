#!/usr/bin/env bash
# The certificate under a real dark colour scheme on a real X display: its wording reads at 4.5:1
# or more against the parchment, on the screen and on the saved page, while the name box keeps the
# scheme's own colours. The scheme comes from a Qt platform theme, chosen as a desktop chooses it:
#   qt6ct   qt6ct's darker palette, from its settings file in the test's own configuration folder
#   gtk3    Qt's GTK platform theme with GTK's Adwaita in its dark variant
#   kde     KDE's platform theme with the Breeze Dark colours (skipped where it is not installed)
#   default no platform theme: the light scheme the program has with no desktop settings
# Usage: dark-scheme-test.sh SCHEME PROGRAM ART-DIR
source "$(dirname "$0")/lib.sh"
scheme=$1
program=$(realpath "$2")
art=$3
themes=$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platformthemes

case $scheme in
qt6ct)
    mkdir -p "$XDG_CONFIG_HOME/qt6ct"
    printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n' \
        >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
    export QT_QPA_PLATFORMTHEME=qt6ct
    ;;
gtk3)
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    ;;
kde)
    if [[ ! -e "$themes/KDEPlasmaPlatformTheme6.so" || ! -e /usr/share/color-schemes/BreezeDark.colors ]]; then
        echo "skip: KDE's Qt 6 platform theme or Breeze Dark is not installed here"
        exit 77
    fi
    cp /usr/share/color-schemes/BreezeDark.colors "$XDG_CONFIG_HOME/kdeglobals"
    export QT_QPA_PLATFORMTHEME=kde
    ;;
default)
    unset QT_QPA_PLATFORMTHEME
    ;;
*)
    fail "no scheme called $scheme"
    ;;
esac
[[ $scheme == kde || $scheme == default || -e "$themes/lib${QT_QPA_PLATFORMTHEME/gtk3/qgtk3}.so" ]] || fail "no $scheme platform theme in $themes"

start_x 1280x1024
start_accessibility
# No printer answers here, so the certificate is saved as a PDF in the test's own home.
export HOME="$RUN/home" CUPS_SERVER="$RUN/no-cups.sock"
start_program pid "$program"
SHOTS=${SHOTS:-} timeout 280 "$PY" "$HERE/dark_scheme.py" "$scheme" "$art" "$pid"
