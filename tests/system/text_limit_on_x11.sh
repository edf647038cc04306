#!/usr/bin/env bash
# The name boxes' limit for pasted, dropped and composed text, checked on X11 itself: the text
# limit tests of the window suite run under Xvfb on Qt's X11 platform, where the clipboard and
# the selection a middle click pastes are the X server's.
#
#   text_limit_on_x11.sh <path-to-tesselby> <screenshot-dir>
set -euo pipefail

TEST_NAME=text_limit_on_x11
source "$(dirname "${BASH_SOURCE[0]}")/x_session.bash" "$@"

suite=../tests/qt_tests  # built in the build folder, beside the game's folder
[[ -x $suite ]] || fail "no window test suite at $PWD/$suite"
QT_QPA_PLATFORM=xcb "$suite" --gtest_filter='TextLimit.*' --gtest_brief=1 >"$XDG_RUNTIME_DIR/suite.out" 2>&1 ||
  fail "the text limit tests failed on X11: $(cat "$XDG_RUNTIME_DIR/suite.out")"
! grep -q SKIPPED "$XDG_RUNTIME_DIR/suite.out" || fail "a text limit test was skipped on X11: $(cat "$XDG_RUNTIME_DIR/suite.out")"
echo "$TEST_NAME: $(grep -E 'PASSED' "$XDG_RUNTIME_DIR/suite.out")"
