#!/usr/bin/env bash
# The screenshot mode of the real program, as a build machine runs it: no display, a scratch
# home and configuration, an output folder whose parents do not exist yet. Standard error must
# hold exactly the progress lines, the five pictures must be there at 760 x 1120, the status 0.
#
#   tests/e2e/shots.sh TORNIVO [FOLDER]
#
# The pictures are left in FOLDER/screenshot-mode/ for a look (in the scratch folder, removed at
# the end, without one).
set -euo pipefail

tornivo=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
keep=${2:-$scratch}
rm -rf "$keep/screenshot-mode"
out=$keep/screenshot-mode/en-light
mkdir -p "$scratch/home" "$scratch/config"
mkdir -m 700 "$scratch/runtime"  # as a session has it: without one Qt warns on standard error

fail() {
  echo "FAIL: $*" >&2
  sed 's/^/  stderr: /' "$scratch/stderr" >&2
  exit 1
}

status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u TORNIVO_SHOTS_LANGUAGE \
  -u TORNIVO_SHOTS_APPEARANCE HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" \
  XDG_RUNTIME_DIR="$scratch/runtime" TORNIVO_SHOTS="$out" "$tornivo" >/dev/null 2>"$scratch/stderr" </dev/null || status=$?
[[ $status -eq 0 ]] || fail "exit status $status"

names=(xray tuneup developer large clean)
expected=
for name in "${names[@]}"; do
  expected+="shot: $name…"$'\n'"  wrote $name.png"$'\n'
done
expected+=done
[[ "$(cat "$scratch/stderr")" == "$expected" ]] || fail "standard error is not the progress lines"

for name in "${names[@]}"; do
  file=$out/$name.png
  [[ -f $file ]] || fail "$name.png was not written"
  # The width and height of a PNG: big-endian, at bytes 16 and 20 of its header chunk.
  size=$(od -An -tu1 -j16 -N8 "$file" |
    awk '{ printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }')
  [[ $size == 760x1120 ]] || fail "$name.png is $size, not 760x1120"
done
echo "screenshot mode: five pictures in $out"
