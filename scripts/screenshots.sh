#!/usr/bin/env bash
# Takes the screenshots in docs/: the program's windows on a 1280x800 virtual
# display (Xvfb), with the virtual board. Needs xvfb and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
cmake --build "$BUILD" --target zqfeval_screenshot_tour
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The tour remembers the link choice in its own folder, not in the checkout.
(cd "$work" && xvfb-run -a -s "-screen 0 1280x800x24" \
    "$OLDPWD/$BUILD/tests/qt/zqfeval_screenshot_tour" "$OLDPWD/docs" "$@")
