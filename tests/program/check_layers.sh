#!/usr/bin/env bash
# Each layer includes only itself and the layers below it, so that the
# folders mean what the build's targets say. Prints every include that
# reaches up or sideways, and fails when there is one.
set -euo pipefail
cd "$1"

# The folders a file of each layer may include from.
allowed() {
    case $1 in
        store/*) echo "store" ;;
        services/*) echo "services" ;;
        toolkit/*) echo "toolkit store services" ;;
        screens/achievements/*) echo "screens/achievements screens/ScreenNames.h screens/MenuChild.h toolkit store services" ;;
        screens/*/*) echo "${1%/*} screens/achievements/Achievements.h screens/ScreenNames.h screens/MenuChild.h toolkit store services" ;;
        screens/*) echo "toolkit store services" ;;
        frontend/*) echo "frontend toolkit store services" ;;
        program/*) echo "program frontend screens toolkit store services" ;;
    esac
}

status=0
while IFS= read -r file; do
    ok=$(allowed "$file")
    while IFS= read -r included; do
        # Only paths from the top of the tree name a layer.
        [[ $included == */* ]] || continue
        pass=no
        for prefix in $ok; do
            [[ $included == "$prefix" || $included == "$prefix"/* ]] && pass=yes
        done
        if [[ $pass == no ]]; then
            echo "$file includes $included"
            status=1
        fi
    done < <(sed -n 's/^#include "\(.*\)"/\1/p' "$file")
done < <(find store services toolkit screens frontend program -name '*.h' -o -name '*.cpp' | sort)
exit $status
