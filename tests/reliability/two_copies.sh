#!/usr/bin/env bash
# Two copies of the real game started at once on one store, as when a player
# double-clicks the icon twice: both run, neither crashes, and the store they
# share reads whole with every start-up key written once.
set -euo pipefail
game=$1
work=$(mktemp -d)
trap 'kill $a $b 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work QT_QPA_PLATFORM=offscreen
"$game" 2>"$work/a.log" & a=$!
"$game" 2>"$work/b.log" & b=$!
sleep 4
for pid in $a $b; do
    kill -0 "$pid" 2>/dev/null || { echo "a copy of the game ended early:"; cat "$work"/*.log; exit 1; }
done
kill $a $b
wait $a $b 2>/dev/null || true

ini=$work/TAROVIN/TAROVIN.ini
test -s "$ini"
# Every line is empty, a [section] or KEY=value.
if grep -vnE '^$|^\[[A-Z]+\]$|^[A-Z0-9_]+=-?[0-9]+$' "$ini"; then
    echo "the store does not read whole"; exit 1
fi
for key in SOUNDOPT DIAMOND IRON AUTOFOOD GIFT NIGHTUI NOTNT SCOREX SLOWLION TOTEM; do
    count=$(grep -c "^$key=" "$ini" || true)
    [[ $count == 1 ]] || { echo "$key written $count times"; cat "$ini"; exit 1; }
done
echo "two copies ok"
