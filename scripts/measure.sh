#!/usr/bin/env bash
# Measures the game beside the floor (the smallest Qt Widgets program) under
# Xvfb, several runs each, and prints medians: time to the first frame, peak
# resident memory after start-up, share of one core on the idle menu and in a
# running game, and the game's timer rates.
# Usage: scripts/measure.sh [runs, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
TAROVIN_SETUP_EXTRA="xdotool" TAROVIN_BUILD_DIR=build-release TAROVIN_BUILD_TYPE=Release scripts/setup.sh
game=build-release/program/tarovin
floor=build-release/tools/floor/floor_app
display=:$((70 + RANDOM % 20))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config
hz=$(getconf CLK_TCK)

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Starts a program, waits for its first frame; prints "pid first-frame-ms".
launch() {
    local log=$1; shift
    # Appending, so that emptying the log later starts it afresh instead of
    # leaving a hole before the program's next line.
    : >"$log"
    TAROVIN_STATS=1 TAROVIN_LAUNCH_NS=$(date +%s%N) "$@" 2>>"$log" &
    local pid=$!
    for _ in $(seq 1 200); do
        grep -q first-frame-ms "$log" 2>/dev/null && break
        sleep 0.05
    done
    echo "$pid $(awk '/first-frame-ms/ {print $2; exit}' "$log")"
}
# Share of one core, in percent, that pid uses over the next $2 seconds.
cpu_share() {
    local a b
    a=$(cpu_ticks "$1"); sleep "$2"; b=$(cpu_ticks "$1")
    awk -v d=$((b - a)) -v hz="$hz" -v s="$2" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}
median() { sort -g | awk '{v[NR] = $1} END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for i in $(seq 1 "$runs"); do
    read -r pid ms < <(launch "$work/floor.log" "$floor")
    sleep 2
    echo "$ms" >>"$work/floor.start"
    awk '/VmHWM/ {print $2 / 1024}' "/proc/$pid/status" >>"$work/floor.mem"
    cpu_share "$pid" 10 >>"$work/floor.idle"; echo >>"$work/floor.idle"
    kill "$pid"; wait "$pid" 2>/dev/null || true

    rm -rf "$XDG_CONFIG_HOME"
    read -r pid ms < <(launch "$work/game.log" "$game")
    sleep 2
    echo "$ms" >>"$work/game.start"
    awk '/VmHWM/ {print $2 / 1024}' "/proc/$pid/status" >>"$work/game.mem"
    cpu_share "$pid" 10 >>"$work/game.idle"; echo >>"$work/game.idle"
    # Play: the menu is centred on the 1280x800 screen, its play button at
    # (328, 168, 297, 73) inside it.
    wid=$(xdotool search --sync --name '咕嚕果' | head -1)
    xdotool windowactivate --sync "$wid" 2>/dev/null || true
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    xdotool mousemove $((X + 476)) $((Y + 204)) click 1
    sleep 2
    : >"$work/game.log"
    cpu_share "$pid" 10 >>"$work/game.play"; echo >>"$work/game.play"
    grep '^stats Gamepage' "$work/game.log" | tail -n 8 | sed -n 's/.* Timer1=\([0-9]*\).*/\1/p' >>"$work/game.timer1"
    grep '^stats Gamepage' "$work/game.log" | tail -n 8 | sed -n 's/.*label="FPS: \([0-9]*\)".*/\1/p' >>"$work/game.fps"
    grep '^stats paints=' "$work/game.log" | tail -n 8 | sed 's/.*=//' >>"$work/game.paints"
    kill "$pid"; wait "$pid" 2>/dev/null || true
done

col() { [[ -s "$work/$1" ]] && grep -v '^$' "$work/$1" | median || echo "-"; }
printf '| figure (median of %s runs) | floor | game |\n|---|---|---|\n' "$runs"
printf '| first frame after launch (ms) | %s | %s |\n' "$(col floor.start)" "$(col game.start)"
printf '| peak resident memory after start-up (MB) | %s | %s |\n' "$(col floor.mem)" "$(col game.mem)"
printf '| one core, idle for 10 s (%%) | %s | %s |\n' "$(col floor.idle)" "$(col game.idle)"
printf '| one core, 10 s of a running game (%%) | — | %s |\n' "$(col game.play)"
printf '| Timer1 ticks per second (12 ms timer) | — | %s |\n' "$(col game.timer1)"
printf '| FPS label | — | %s |\n' "$(col game.fps)"
printf '| frames painted per second in a running game | — | %s |\n' "$(col game.paints)"
rm -rf "$work"
