#!/usr/bin/env bash
# The exercise logic must build without any toolkit: fails when a source file
# of a logic folder includes a Qt header.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
found=0
for dir in window/model core drag coefficients window/logic testing; do
  [ -d "$root/$dir" ] || continue
  if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt[A-Za-z0-9]*/|Qt[A-Za-z]+/|q[a-z]+\.h)' \
      --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc' "$root/$dir"; then
    found=1
  fi
done
if [ "$found" -ne 0 ]; then
  echo "A logic folder includes a Qt header (listed above)." >&2
  exit 1
fi
echo "No Qt header in the logic folders."
