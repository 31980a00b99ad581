#!/usr/bin/env bash
# Fails when a tracked C++ file differs from .clang-format. Uses Debian 12's clang-format (14),
# which scripts/deps.sh installs: other versions may format a few constructs differently.
set -euo pipefail
cd "$(dirname "$0")/.."
tool="${CLANG_FORMAT:-clang-format}"
# Tracked files and new ones not yet committed, so a change is checked before its commit too.
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | sort -u)
bad=()
for f in "${files[@]}"; do
    [ -f "$f" ] || continue
    if ! "$tool" --dry-run -Werror "$f" >/dev/null 2>&1; then
        bad+=("$f")
    fi
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "Estos archivos no siguen .clang-format (clang-format -i los corrige):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
