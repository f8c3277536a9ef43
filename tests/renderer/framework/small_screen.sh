#!/usr/bin/env bash
# Runs the small-screen cases of a window test in a Wine environment of its own whose Xvfb screen is
# smaller than 640 x 480, so that no display mode is usable.
#   small_screen.sh TOP_SOURCE_DIR WORK_DIR TEST_EXE
set -euo pipefail
top=$1 work=$2 test=$3
export ZANDREL_HEADLESS=1 ZANDREL_KEEP_PREFIX=1
unset DISPLAY
. "$top/scripts/lib/wine-env.sh"
mkdir -p "$work"
wine_env_start "$work" 320x240x24
trap wine_env_stop EXIT
cd "$(dirname "$test")"
wine "$test" --gtest_filter='SmallScreen.*'
