#!/usr/bin/env bash
# Takes the screenshots the AppStream metainfo names (the menu, a game, the pet)
# from the real program under Xvfb, reaching each screen with clicks, and
# writes them to packaging/screenshots/. Run it again when a screen changes.
# Needs xvfb, xdotool and imagemagick.
# Usage: scripts/screenshots.sh [program, default build/program/tarovin] [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "${1:-build/program/tarovin}")
out=${2:-packaging/screenshots}
mkdir -p "$out"

work=$(mktemp -d)
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$game_pid" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
game_pid=
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config
for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

# A new player who has been given one gift box, so the pet screen can show a
# freshly adopted cub.
mkdir -p "$XDG_CONFIG_HOME/TAROVIN"
printf '[ITEMS]\nGIFT=1\n' >"$XDG_CONFIG_HOME/TAROVIN/TAROVIN.ini"

"$game" 2>"$work/game.log" &
game_pid=$!

# Every screen is a window of its own and one is shown at a time: waits for
# the shown window to be another than $1 and prints it.
shown_window() {
    local previous=$1 wid
    for _ in $(seq 1 100); do
        wid=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | tail -n 1 || true)
        if [[ -n $wid && $wid != "$previous" ]]; then
            echo "$wid"
            return
        fi
        sleep 0.1
    done
    echo "no new window of the game appeared" >&2
    cat "$work/game.log" >&2
    exit 1
}
# Clicks at a point of a form given in twips (15 twips to a pixel).
click_twips() {
    local wid=$1 x=$2 y=$3
    xdotool mousemove --window "$wid" $((x / 15)) $((y / 15)) click 1
}
shot() {
    # The screens draw their first frame once shown; give the lions time to
    # walk into the picture.
    sleep "$2"
    import -window "$1" "$out/$3.png"
    echo "$out/$3.png: $(identify -format '%wx%h' "$out/$3.png")"
}

menu=$(shown_window none)
shot "$menu" 1.5 menu

click_twips "$menu" $((2160 + 367)) $((7680 + 367))  # the pet button
pet=$(shown_window "$menu")
sleep 0.5
click_twips "$pet" $((6000 + 933)) $((5040 + 383))  # use the gift box
shot "$pet" 2 pet

click_twips "$pet" $((13080 + 367)) $((240 + 367))   # close: back to the menu
menu=$(shown_window "$pet")
sleep 0.5
click_twips "$menu" $((4920 + 2227)) $((2520 + 547))  # play
gamepage=$(shown_window "$menu")
shot "$gamepage" 2.5 game
