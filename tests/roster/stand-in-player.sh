#!/usr/bin/env bash
# A stand-in for the game's clip player, for tests of the game's side of it: it notes its start in
# $STAND_IN_DIR/starts and every line it hears in $STAND_IN_DIR/<its pid>, and answers each play as
# the file $STAND_IN_DIR/output says the sound output is: "there" (the run plays and ends at once),
# "held" (the run plays and does not end) or "gone" (the run is lost and the player ends, as the
# real one does). A play is noted once answered,
# so that a test that sees it may change the output without changing the answer.
dir=${STAND_IN_DIR:?}
echo $$ >>"$dir/starts"
while IFS= read -r line; do
    if [[ $line != play\ * ]]; then
        echo "$line" >>"$dir/$$"
        continue
    fi
    clip=${line#play }
    output=$(cat "$dir/output")
    if [[ $output == gone ]]; then
        echo "lost $clip"
        printf '%s\n(lost)\n' "$line" >>"$dir/$$"
        exit 0
    fi
    [[ $output == held ]] || echo "ended $clip"
    echo "$line" >>"$dir/$$"
done
echo "(input closed)" >>"$dir/$$"
