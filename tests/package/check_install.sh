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
echo "install layout ok"
