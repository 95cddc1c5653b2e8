#!/usr/bin/env bash
# Times FileSystemHelper::directorySize against `du -s` (and gdu and ncdu, when they run without
# a terminal) on a generated tree of about a million files, and checks that the totals agree.
#
#   bench/run-directory-size.sh BUILD_DIR [--runs N] [--files N] [--folders M]
#
# The tree is made once under ${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench} and reused while its
# marker matches the generator's version and options. The caches are warmed first; then each
# round runs every tool once, in an order that rotates from round to round, so a noisy moment
# hurts all tools alike; the medians over the rounds are compared. Works as root and as a user
# (nothing here needs privileges: caches are warmed, never dropped).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

read_tree_arguments many-files "$@"

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-directory-size
require_built "$make_tree" "$ours"

make_work_dir "${TMPDIR:-/tmp}/tornivo-bench.XXXXXX"

# --- the tree ---------------------------------------------------------------------------------
ensure_tree many-files "$files" "$folders"
tree=$made
summary=$(tree_summary "$tree")

# --- the tools --------------------------------------------------------------------------------
# Each tool is a name and a command; ours must come first and du second (the totals use them).
names=(tornivo du)
command[tornivo]="$(printf '%q ' "$ours" "$tree" --runs 1)"
command[du]="$(printf '%q ' du -s -B1 "$tree")"

# Peers that run without a terminal, tried on an empty folder first.
probe=$work/probe
mkdir "$probe"
try_peer() {  # NAME COMMAND... (the folder to measure is added last)
  local name=$1
  shift
  command -v "$1" >/dev/null || return 0
  if timeout 20 "$@" "$probe" </dev/null >/dev/null 2>&1; then
    names+=("$name")
    command[$name]="$(printf '%q ' "$@" "$tree")"
  else
    echo "Leaving out $name: '$*' does not run without a terminal here."
  fi
}
try_peer gdu gdu --non-interactive --no-progress --summarize --no-prefix
try_peer ncdu ncdu -0 -o /dev/null

echo "Warming the caches..."
for tool in du "${names[@]}"; do run_timed "$tool" >/dev/null; done

echo "Timing ${#names[@]} tools, $runs rounds..."
rounds "$runs" "" : note_time_inside

measure_peak_memory

# --- report -----------------------------------------------------------------------------------
echo
echo "directorySize benchmark, $(machine "$tree")"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files" \
  "($(field empty_files "$summary") empty), $(field symlinks "$summary") symlinks," \
  "$(field hard_links "$summary") extra hard links, $(field content_bytes "$summary") content bytes;" \
  "generated in $(field seconds "$summary") s"
echo
tool_table du
echo "Medians of $runs alternating runs each, whole processes. Inside the process," \
  "directorySize itself took a median of $(median_seconds "${ours_inside[@]}") s."
say_target "tornivo / du" "$(median_of tornivo)" "$(median_of du)" 1.00

# du counts the root folder itself, and a file with several names in the tree once; we count
# neither the root nor less than every name. Anything beyond those two is a real disagreement.
ours_total=$(field total_bytes "$(tail -n 1 "$work/tornivo.out")")
du_total=$(awk '{ print $1 }' "$work/du.out")
root_bytes=$(($(stat -c '%b * %B' "$tree")))
extra_names=$(find "$tree" -mindepth 1 ! -type d -links +1 -printf '%i %b\n' |
  awk '{ n[$1]++; b[$1] = $2 } END { s = 0; for (i in n) s += (n[i] - 1) * b[i] * 512; print s }')
unexplained=$((ours_total - (du_total - root_bytes + extra_names)))
echo
echo "totals in bytes: tornivo $ours_total, du -s -B1 $du_total, difference $((ours_total - du_total))"
echo "  root folder's own blocks (du counts them, we do not):  -$root_bytes"
echo "  more names of hard-linked files (we count each name): +$extra_names"
echo "  unexplained:                                           $unexplained"

save_run_times directory-size tool "${names[@]}"

if ((unexplained != 0)); then
  echo "$0: directorySize disagrees with du beyond the root folder and hard links" >&2
  exit 1
fi
