#!/usr/bin/env bash
# The layer check itself: it must name each include that crosses a layer, in whatever form it is
# written, and let the allowed ones pass.
# Usage: layer_check_test.sh <check_layers.sh> <Qt include folder>
set -euo pipefail
check=${1:?layer check script}
qt=${2:?Qt include folder}

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/forms" "$tree/game" "$tree/start" "$tree/platform/qt"
failures=0
expect() {  # expect <what> <condition>
    if ! eval "$2"; then
        echo "FAILED: $1"
        failures=$((failures + 1))
    fi
}

# Allowed everywhere: Qt Core and Gui value types, the runtime, names Qt Gui shares with Widgets.
printf '#include <QImage>\n#include <QtGui/QPainter>\n#include "forms/form.h"\n#include <qaction.h>\n' \
    >"$tree/forms/picture.cpp"
# Allowed in the platform and main.cpp only.
printf '#include <QWidget>\n#include "platform/qt/form_window.h"\n' >"$tree/platform/qt/view.cpp"
printf '#include <QApplication>\n#include "platform/qt/qt_platform.h"\n' >"$tree/main.cpp"

out=$(bash "$check" "$tree" "$qt") && status=0 || status=$?
expect "a clean tree passes ($out)" '[[ $status -eq 0 ]]'

printf '// the game window\n#include <QtWidgets/QLabel>\n' >"$tree/game/gamer.cpp"
printf '#  include "platform/qt/dialogs.h"\n' >"$tree/start/start.h"
printf '#include <QPushButton>\n' >"$tree/forms/controls.h"
printf '#include <QtWidgets>\n' >"$tree/forms/runtime.cpp"

out=$(bash "$check" "$tree" "$qt") && status=0 || status=$?
expect "crossing includes fail the check" '[[ $status -eq 1 ]]'
expect "a module path is named" '[[ $out == *"src/game/gamer.cpp:2 includes Qt Widgets: QtWidgets/QLabel"* ]]'
expect "a platform header is named" '[[ $out == *"src/start/start.h:1 includes the platform: platform/qt/dialogs.h"* ]]'
expect "a bare class header is named" '[[ $out == *"src/forms/controls.h:1 includes Qt Widgets: QPushButton"* ]]'
expect "the whole module is named" '[[ $out == *"src/forms/runtime.cpp:1 includes Qt Widgets: QtWidgets"* ]]'
expect "allowed includes are not named" '[[ $out != *"picture.cpp:"* && $out != *"main.cpp:"* && $out != *"view.cpp:"* ]]'

if ((failures > 0)); then
    echo "$out"
    exit 1
fi
echo "the layer check names every crossing include and passes the allowed ones"
