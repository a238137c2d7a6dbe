#!/usr/bin/env bash
# Builds everything and runs the desktop under Wine: the stand-in shell, then lunavis.exe.
#
# With a display ($DISPLAY) it runs in a 1024x768 window (a Wine virtual desktop) until
# Ctrl-C. Without one it runs on a private Xvfb, waits until lunavis has put its icon up and
# the desktop is drawn, saves a screenshot of the whole screen and prints where it is. Either
# way it prints lunacal's text for today and this month, and leaves no process behind.
#
#   scripts/demo.sh [--headless] [--no-build]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

headless=0
build=1
for arg in "$@"; do
    case "$arg" in
    --headless) headless=1 ;;
    --no-build) build=0 ;;
    *)
        echo "usage: scripts/demo.sh [--headless] [--no-build]" >&2
        exit 2
        ;;
    esac
done
if [[ -z "${DISPLAY:-}" ]]; then
    headless=1
fi

if ((build)); then
    scripts/setup.sh
    for preset in native win64 win32; do
        echo "== build $preset"
        cmake --preset "$preset" >/dev/null
        cmake --build --preset "$preset"
    done
    for preset in win64 win32; do
        echo "== package $preset"
        cmake --build --preset "$preset" --target package
    done
    echo "== packages for Windows users"
    ls -l build/win64/lunavis-*-win64* build/win32/lunavis-*-win32*
fi

lunacal=$root/build/native/tools/lunacal/lunacal
if [[ -x "$lunacal" ]]; then
    echo "== lunacal: today"
    "$lunacal" || true
    echo
    echo "== lunacal: this month"
    "$lunacal" month || true
    echo
fi

# From here on the Wine test bed does the work (tests/wine/README.md).
export LUNA_WIN64_DIR=${LUNA_WIN64_DIR:-$root/build/win64}
# Beside the Wine scenarios' runs, so the demo shares their template prefix.
export LUNA_WINE_WORK=${LUNA_WINE_WORK:-$root/build/native/tests/wine/work/demo}
if ((headless)); then
    export LUNA_WINE_TIMEOUT=300
else
    export LUNA_WINE_TIMEOUT=$((7 * 24 * 3600))
    export BED_USE_DISPLAY=1
fi
set +e
# shellcheck source=../tests/wine/lib/bed.sh
source "$root/tests/wine/lib/bed.sh"

bed_init
if ((!headless)); then
    # Every program of the prefix runs inside one window of the user's desktop.
    bed_reg_add 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
    bed_reg_add 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ 1024x768
    # Wine's desktop already runs (reg started it): restart Wine so the new one is used.
    "$BED_WINESERVER" -k
    timeout 30 "$BED_WINESERVER" -w
fi
bed_shell_start
echo "== the stand-in shell is running"

app=$BED_WIN64/app/lunavis.exe
if [[ -f "$app" ]]; then
    bed_start lunavis "$app"
    if wait_until 60 bed_shell_says 'id=65537' tray; then
        echo "== lunavis is running (its notification icon is up)"
    else
        echo "== lunavis did not put its notification icon up within 60 s (see $BED_RUN/lunavis.out)"
    fi
    # The desktop picture is drawn once the list view is subclassed; then paint everything.
    wait_until 20 bed_shell_says 'view=1' subclassed
    bed_shell repaint >/dev/null
else
    echo "== $app is not built yet: showing the stand-in shell alone"
fi

if ((headless)); then
    shot=$(bed_screenshot screen) || fail "no screenshot"
    mkdir -p "$root/build/demo"
    cp "$shot" "$root/build/demo/lunavis-demo.png"
    echo "== screenshot: $root/build/demo/lunavis-demo.png"
    exit 0
fi

echo "== running on $DISPLAY; press Ctrl-C to stop"
stop=0
trap 'stop=1' INT TERM
while ((!stop)) && bed_alive shell; do
    sleep 1
done
echo "== stopping"
exit 0
