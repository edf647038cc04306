#!/usr/bin/env bash
# The tree as .clang-format lays it out: names every C++ file that formatting would change, with
# its first changed lines, and fails if there is one. scripts/format applies the layout.
#
# Usage: check_format.sh <clang-format> <source root>
set -euo pipefail

tool=${1:?clang-format}
root=${2:?source root}
cd "$root"

unformatted=0
while IFS= read -r -d '' file; do
    if ! "$tool" --dry-run --Werror "$file" >/dev/null 2>&1; then
        echo "$file is not formatted; the first differences:"
        "$tool" "$file" | diff "$file" - | head -8 || true
        unformatted=$((unformatted + 1))
    fi
done < <(find . \( -name .git -o -type d -name 'build*' \) -prune -o \
    -type f \( -name '*.cpp' -o -name '*.h' \) -print0 |
    sort -z)

if ((unformatted > 0)); then
    echo "$unformatted file(s) differ from .clang-format: run scripts/format"
    exit 1
fi
echo "every C++ file is laid out as .clang-format says"
