#!/usr/bin/env bash
# Taps the walking lion under Xvfb as a player does, with xdotool: presses of
# 100 ms at points along the lane, and reports from the game's own log how
# many taps on the back, the middle and the front third of the lion counted,
# and how long it took from a tap to the frame that shows its coins.
# Usage: scripts/taps.sh [presses, default 450] [game binary]
set -euo pipefail
cd "$(dirname "$0")/.."
presses=${1:-450}
game=${2:-}
if [[ -z "$game" ]]; then
    TAROVIN_SETUP_EXTRA="xdotool" scripts/setup.sh
    game=build/program/tarovin
fi
display=:$((50 + RANDOM % 20))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config
sleep 1
# Quiet, and with totems enough that a press on the dynamite lion or an empty
# energy bar never ends the game.
mkdir -p "$XDG_CONFIG_HOME/TAROVIN"
printf '[SETTINGS]\nSOUNDOPT=1\n\n[ITEMS]\nTOTEM=30000\n' >"$XDG_CONFIG_HOME/TAROVIN/TAROVIN.ini"

TAROVIN_STATS=1 "$game" 2>"$work/game.log" &
pid=$!
wid=$(xdotool search --sync --name '咕嚕果' | head -1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The play button of the menu.
xdotool mousemove $((X + 476)) $((Y + 204)) click 1
sleep 1.5
# The lion's picture stands on the lane from y 432 to 587 of the window;
# press halfway up it, anywhere along the lane.
for _ in $(seq 1 "$presses"); do
    xdotool mousemove $((X + 60 + RANDOM % 840)) $((Y + 505)) mousedown 1
    sleep 0.1
    xdotool mouseup 1
    sleep "0.$((10 + RANDOM % 20))"
done
sleep 0.5
kill "$pid"; wait "$pid" 2>/dev/null || true

# A press on the lion and its release: the lion's left edge at both tells
# which way it walked, so the share along its width tells back from front.
awk '
    $1 == "press" { name = $2; along = $3; left = $4; next }
    $1 == "release" && name == "Vexo" && $2 == "Vexo" {
        d = $3 - left
        if ((d > -800 && d < 800) || d > 4000 || d < -4000) { name = ""; next } # turned at an edge meanwhile
        back = d > 0 ? along : 1 - along
        third = back < 1/3 ? "back" : back < 2/3 ? "middle" : "front"
        taps[third]++; counted[third] += $4; name = ""
    }
    END {
        split("back middle front", thirds, " ")
        for (i = 1; i <= 3; i++) { t = thirds[i]; printf "%-6s third: %d of %d taps counted\n", t, counted[t] + 0, taps[t] + 0 }
    }' "$work/game.log"
awk '$1 == "tap-to-frame-ms" { print $2 }' "$work/game.log" | sort -g | awk '
    { ms[NR] = $1 }
    END { if (NR) printf "tap to frame: median %.1f ms, 95th percentile %.1f ms, of %d taps\n", ms[int((NR + 1) / 2)], ms[int(NR * 0.95 + 0.999)], NR }'
