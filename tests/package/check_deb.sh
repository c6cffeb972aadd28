#!/usr/bin/env bash
# Makes the Debian package from the build and checks what a player's apt gets:
# the control fields, a dependency for every library the program links and
# for what it loads at run time, exactly the expected files with the usual
# owners and modes, a stripped program, screenshots for every one the metainfo
# names, and no lintian error.
set -euo pipefail
build_dir=$(realpath "$1")
version=$2
mail=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$work/tarovin_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { ls "$work"; fail "no $deb"; }

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tarovin ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"
[[ $(field Section) == games ]] || fail "Section: $(field Section)"
[[ $(field Maintainer) == *"<$mail>" ]] || fail "Maintainer: $(field Maintainer)"
[[ $(field Recommends) == qt6-wayland ]] || fail "Recommends: $(field Recommends)"
description=$(field Description)
[[ $description == *"Traditional Chinese"* && $description == *"繁體中文"* ]] || fail "the description lacks a language"

# Depends as one package name a line.
field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort -u >"$work/depends"
for needed in fonts-noto-cjk qt6-translations-l10n libqt6svg6 libqt6multimedia6; do
    grep -qx "$needed" "$work/depends" || fail "Depends lacks $needed: $(field Depends)"
done

mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
# Debian keeps games in /usr/games, and the menu entry starts the program there.
program=$work/root/usr/games/tarovin
desktop=$work/root/usr/share/applications/tw.wuduo.Tarovin.desktop
desktop-file-validate "$desktop"
[[ $(sed -n 's/^Exec=//p' "$desktop") == /usr/games/tarovin ]] || fail "the menu entry starts $(grep ^Exec= "$desktop")"
file -b "$program" | grep -q ', stripped' || fail "the program is not stripped: $(file -b "$program")"
# Every library the program links must come with a dependency on its package.
ldd "$program" >"$work/ldd"
for lib in $(objdump -p "$program" | awk '/NEEDED/ {print $2}'); do
    path=$(awk -v lib="$lib" '$1 == lib {print $3}' "$work/ldd")
    [[ -n $path ]] || fail "$lib is not found on this system"
    owner=$( (dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")") | head -n 1 | cut -d: -f1)
    grep -qx "$owner" "$work/depends" || fail "$lib comes from $owner, which Depends does not name"
done

# Exactly these files, owned by root, with the modes Debian expects.
dpkg-deb -c "$deb" >"$work/listing"
awk '$1 !~ /^d/ {sub(/^\.\//, "/", $6); print $6}' "$work/listing" | sort >"$work/files"
sort >"$work/expected" <<'LIST'
/usr/games/tarovin
/usr/share/applications/tw.wuduo.Tarovin.desktop
/usr/share/doc/tarovin/changelog.gz
/usr/share/doc/tarovin/copyright
/usr/share/icons/hicolor/128x128/apps/tw.wuduo.Tarovin.png
/usr/share/icons/hicolor/16x16/apps/tw.wuduo.Tarovin.png
/usr/share/icons/hicolor/24x24/apps/tw.wuduo.Tarovin.png
/usr/share/icons/hicolor/256x256/apps/tw.wuduo.Tarovin.png
/usr/share/icons/hicolor/32x32/apps/tw.wuduo.Tarovin.png
/usr/share/icons/hicolor/48x48/apps/tw.wuduo.Tarovin.png
/usr/share/icons/hicolor/64x64/apps/tw.wuduo.Tarovin.png
/usr/share/icons/hicolor/scalable/apps/tw.wuduo.Tarovin.svg
/usr/share/man/man6/tarovin.6.gz
/usr/share/metainfo/tw.wuduo.Tarovin.metainfo.xml
/usr/share/tarovin/screenshots/game.png
/usr/share/tarovin/screenshots/menu.png
/usr/share/tarovin/screenshots/pet.png
LIST
diff -u "$work/expected" "$work/files" || fail "the package holds other files than expected"
awk '$2 != "root/root" {print}' "$work/listing" | grep . && fail "files not owned by root"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {print}' "$work/listing" | grep . && fail "directories not 0755"
awk '$1 ~ /^-/ && $1 != "-rw-r--r--" && $6 != "./usr/games/tarovin" {print}' "$work/listing" | grep . && fail "files not 0644"
grep -q '^-rwxr-xr-x .* ./usr/games/tarovin$' "$work/listing" || fail "the program is not 0755"

# The screenshots the metainfo names are the ones the package carries.
metainfo=$work/root/usr/share/metainfo/tw.wuduo.Tarovin.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || appstreamcli validate --no-net "$metainfo"
named=$(sed -n 's|.*<image[^>]*>https://[^<]*/screenshots/\([^<]*\)</image>.*|\1|p' "$metainfo" | sort)
shipped=$(ls "$work/root/usr/share/tarovin/screenshots" | sort)
[[ $named == "$shipped" && -n $named ]] || fail "the metainfo names [$named], the package carries [$shipped]"
for png in "$work"/root/usr/share/tarovin/screenshots/*.png; do
    file -b "$png" | grep -q '^PNG image data' || fail "$png is no PNG"
done

lintian --fail-on error --no-tag-display-limit "$deb" || fail "lintian reports an error"
echo "package ok: $(basename "$deb"), $(wc -l <"$work/files") files, Depends: $(field Depends)"
