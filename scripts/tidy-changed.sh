#!/usr/bin/env bash
# Runs clang-tidy (the naming rule of .clang-tidy) on the C++ sources changed against main
# (or $TIDY_BASE), using build/compile_commands.json (or $BUILD_DIR's). Headers are checked
# through the sources that include them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
base=${TIDY_BASE:-main}
tidy=$(command -v clang-tidy-14 || command -v clang-tidy)
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy-changed: $build/compile_commands.json missing; run scripts/build.sh first" >&2
  exit 1
fi
mapfile -t files < <(git diff --name-only --diff-filter=d "$(git merge-base "$base" HEAD)" -- '*.cpp' | sort -u)
# Uncommitted changes count too.
mapfile -t -O "${#files[@]}" files < <(git diff --name-only --diff-filter=d HEAD -- '*.cpp')
mapfile -t files < <(printf '%s\n' "${files[@]}" | sort -u | sed '/^$/d')
if [ ${#files[@]} -eq 0 ]; then
  echo "tidy-changed: no changed sources"
  exit 0
fi
status=0
for f in "${files[@]}"; do
  if ! grep -q "\"file\": \"[^\"]*/$f\"" "$build/compile_commands.json"; then
    echo "tidy-changed: $f is not in the build, skipped"
    continue
  fi
  "$tidy" -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option "$f" || status=1
done
exit $status
