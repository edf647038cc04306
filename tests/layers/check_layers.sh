#!/usr/bin/env bash
# The layers, checked: only the real platform (platform/) and main.cpp may include Qt Widgets or
# the platform's own headers. The window runtime, the windows and everything they share stay
# toolkit-free, so that the rules run on the virtual platform as they do on the screen.
# Every offending include is named with its file and line; any one of them fails the check.
#
# Usage: check_layers.sh <source folder> <Qt include folder (holding QtCore, QtGui, QtWidgets)>
set -euo pipefail

src=${1:?source folder}
qt=${2:?Qt include folder}
[[ -d $qt/QtWidgets ]] || { echo "no QtWidgets headers in $qt" >&2; exit 2; }

# A bare name (<QPushButton>) is a Widgets header when only Qt Widgets has it: a few names are in
# Qt Gui as well (<qaction.h>), and those are allowed.
widgets_only() {
    local name=$1
    [[ -e $qt/QtWidgets/$name && ! -e $qt/QtGui/$name && ! -e $qt/QtCore/$name ]]
}

offences=0
while IFS= read -r -d '' file; do
    relative=${file#"$src"/}
    case $relative in platform/* | main.cpp) continue ;; esac
    number=0
    while IFS= read -r text || [[ -n $text ]]; do
        number=$((number + 1))
        [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\<\"]([^\>\"]+)[\>\"] ]] || continue
        header=${BASH_REMATCH[1]}
        what=""
        case $header in
            QtWidgets | QtWidgets/*) what="Qt Widgets" ;;
            platform/*) what="the platform" ;;
            */*) ;;
            *) if widgets_only "$header"; then what="Qt Widgets"; fi ;;
        esac
        if [[ -n $what ]]; then
            echo "src/$relative:$number includes $what: $header"
            offences=$((offences + 1))
        fi
    done <"$file"
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if ((offences > 0)); then
    echo "$offences include(s) cross a layer: only src/platform and src/main.cpp may use Qt Widgets or the platform"
    exit 1
fi
echo "layers kept apart: no Qt Widgets and no platform header outside src/platform and src/main.cpp"
