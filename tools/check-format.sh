#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says, and
# lists what clang-format would change. Uses clang-format 14, the version the project
# is formatted with (another version may format differently).
set -euo pipefail
cd "$(dirname "$0")/.."
format=$(command -v clang-format-14 || true)
if [ -z "$format" ]; then
    echo "check-format: clang-format-14 is missing (tools/setup.sh installs it)" >&2
    exit 1
fi
files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    while IFS= read -r -d '' file; do
        [ -f "$file" ] && files+=("$file")
    done < <(git ls-files -z -- '*.cpp' '*.h')
else
    while IFS= read -r -d '' file; do
        files+=("$file")
    done < <(find . \( -path './build*' -o -path './.git' \) -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
if [ ${#files[@]} -eq 0 ]; then
    echo "check-format: no C++ files found" >&2
    exit 1
fi
if ! "$format" --dry-run --Werror "${files[@]}"; then
    echo "check-format: run clang-format-14 -i on the files above" >&2
    exit 1
fi
echo "check-format: ${#files[@]} files formatted"
