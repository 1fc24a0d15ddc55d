#!/usr/bin/env bash
# At a scale factor of 2 the windows draw their scenes and the pirate at twice the size, each pixel
# a crisp 2 x 2 block, with the controls at twice their places: a screenshot at scale 2 equals the
# screenshot at scale 1 doubled by nearest-neighbour sampling. At both scales the word on show reads
# at the contrast the web's readability guidelines ask of body text.
# Usage: hidpi-test.sh PROGRAM ART-DIR
source "$(dirname "$0")/lib.sh"
program=$(realpath "$1")
art=$2

start_x 2048x1536
xdotool mousemove 2047 1535  # the pointer stays out of the screenshots

# game_shot SCALE: screenshots of the title and game windows at that scale factor, with their places.
game_shot() {
    local scale=$1 pid title game
    start_program pid env QT_SCALE_FACTOR="$scale" "$program"
    title=$(find_window SCALLYWISE) || fail "the title window did not show at scale $scale"
    screen_check scene "$title" "$art" "$scale" title.bmp || fail "the title window shows no scene at scale $scale"
    mv "$RUN/scene.xwd" "$RUN/title$scale.xwd"
    mv "$RUN/scene.place" "$RUN/title-place$scale"
    xdotool windowactivate --sync "$title" key Return
    game=$(find_window 'Scallywise!') || fail "the game window did not show at scale $scale"
    screen_check scene "$game" "$art" "$scale" || fail "the game window shows no sea scene at scale $scale"
    mv "$RUN/scene.xwd" "$RUN/scale$scale.xwd"
    mv "$RUN/scene.place" "$RUN/place$scale"
    # The word on show, in the disabled answer box, reads clearly at this scale too.
    xdotool windowactivate --sync "$game" key ctrl+e
    xdotool key alt+n
    screen_check word "$game" "$art" "$scale" || fail "the word on show is not readable at scale $scale"
    cat "$RUN/check.out"
    close_window "$game"
    [[ $(program_status "$pid") -eq 0 ]] || fail "the program did not end cleanly at scale $scale"
}

game_shot 1
game_shot 2
# shellcheck disable=SC2046 # each place is four arguments
"$PY" "$HERE/screens.py" double-title "$RUN/title1.xwd" $(cat "$RUN/title-place1") \
    "$RUN/title2.xwd" $(cat "$RUN/title-place2") "$art" || fail "the title window at scale 2 is not the scale-1 window doubled"
echo "ok   at scale 2 the title scene is the scale-1 scene doubled, crisp"
# shellcheck disable=SC2046 # each place is four arguments
SCREENS_KEEP=$RUN "$PY" "$HERE/screens.py" double "$RUN/scale1.xwd" $(cat "$RUN/place1") \
    "$RUN/scale2.xwd" $(cat "$RUN/place2") "$art" || fail "the game window at scale 2 is not the scale-1 window doubled"
echo "ok   at scale 2 the scene, the pirate and the controls' places are the scale-1 window doubled, crisp"
