#!/usr/bin/env bash
# Takes the screenshots in docs/: the program's windows on a 1280x800 virtual
# display (Xvfb), with the virtual board, then the main panel on a 1366x768
# screen and at 150 % on a 1920x1080 one. Needs xvfb and imagemagick; where
# openbox is installed, the windows get a window manager's frames and title
# bars, as on a desktop.
# Stops named after the command are taken alone: start, zqf7310 ... zqf7620,
# planners, auxiliary, exercisers, status, entries, plot, panel-1366x768,
# panel-150, board-1366x768, board-150, remote-control, remote-control-150.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
cmake --build "$BUILD" --target zqfeval_screenshot_tour
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The tour remembers the link choice in its own folder, not in the checkout.
tour() {
    local screen=$1
    shift
    local wm=""
    if command -v openbox >/dev/null; then
        wm="openbox >/dev/null 2>&1 & sleep 1;"
    fi
    (cd "$work" && xvfb-run -a -s "-screen 0 ${screen}x24" \
        sh -c "$wm exec \"\$0\" \"\$@\"" \
        "$OLDPWD/$BUILD/tests/qt/zqfeval_screenshot_tour" "$OLDPWD/docs" "$@")
}
stops=("$@")
takes() {
    [ ${#stops[@]} -eq 0 ] || [[ " ${stops[*]} " == *" $1 "* ]]
}
others=()
for stop in "${stops[@]}"; do
    [[ $stop == panel-* || $stop == board-* || $stop == remote-control* ]] || others+=("$stop")
done
if [ ${#stops[@]} -eq 0 ] || [ ${#others[@]} -gt 0 ]; then
    tour 1280x800 "${others[@]}"
fi
if takes panel-1366x768; then
    tour 1366x768 panel-1366x768
fi
if takes panel-150; then
    QT_SCALE_FACTOR=1.5 tour 1920x1080 panel-150
fi
if takes board-1366x768; then
    tour 1366x768 board-1366x768
fi
if takes board-150; then
    QT_SCALE_FACTOR=1.5 tour 1920x1080 board-150
fi
if takes remote-control; then
    tour 1366x768 remote-control
fi
if takes remote-control-150; then
    QT_SCALE_FACTOR=1.5 tour 1920x1080 remote-control-150
fi
