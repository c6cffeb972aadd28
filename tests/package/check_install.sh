#!/usr/bin/env bash
# Installs the game into a scratch prefix and checks what desktops read: the
# .desktop entry, the AppStream metainfo, the icons and the program itself.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

id=tw.wuduo.Tarovin
desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
grep -q '<release version="1.0.5"' "$metainfo"
grep -q '<content_rating type="oars-1.1"' "$metainfo"
test -x "$prefix/bin/tarovin"
# /usr/games is the Debian package's place for the program, not a plain install's.
test ! -e "$prefix/games"
test -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    test -s "$png"
    # The PNG header holds the width and height at bytes 16..23.
    dims=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ')
    expected=" 0 0 $((size >> 8)) $((size & 255)) 0 0 $((size >> 8)) $((size & 255))"
    [[ "$dims" == "$expected" ]] || { echo "icon $size has the wrong size:$dims"; exit 1; }
done
grep -q "^Exec=tarovin$" "$desktop"
grep -q "^Icon=$id$" "$desktop"

# Start the game the way a desktop does: the Exec line of the entry, found on
# the PATH of the installed prefix. It must come up and write its store.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuUdDnNickvm]//g')
config=$prefix/config
PATH=$prefix/bin:$PATH XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen sh -c "exec $exec_line" 2>"$prefix/game.log" &
game=$!
for _ in $(seq 1 100); do
    [[ -s $config/TAROVIN/TAROVIN.ini ]] && break
    sleep 0.1
done
kill -0 "$game" 2>/dev/null || { echo "the installed game did not stay up:"; cat "$prefix/game.log"; exit 1; }
kill "$game"
wait "$game" 2>/dev/null || true
grep -q '^SOUNDOPT=2$' "$config/TAROVIN/TAROVIN.ini" || { echo "the installed game wrote no store"; exit 1; }
echo "install layout ok, the installed game starts from its desktop entry"
