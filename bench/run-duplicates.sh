#!/usr/bin/env bash
# Times DuplicateFinder::scan against `jdupes -r` (and tornivo-cli, fdupes and rdfind as extra
# columns) on a
# generated tree of about 1.5 GB, and checks that our groups are jdupes's, group by group.
#
#   bench/run-duplicates.sh BUILD_DIR [--runs N] [--files N] [--folders M]
#
# Every tool gets the tree's five personal folders (Downloads, Documents, Desktop, Pictures,
# Movies) and a minimum size of 1 MiB. Hidden files and folders: we skip them, and so do jdupes
# and fdupes with -A; rdfind cannot skip them, so it reads more (its column says so). A file with
# several names counts once everywhere (the default of all three peers), and the groups are
# compared as sets of files (device and inode), since which of the names is listed is each
# tool's own choice.
#
# The tree is made once under ${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench} and reused while its
# marker matches the generator's version and options. The caches are warmed first; then each
# round runs every tool once, in an order that rotates from round to round, so a noisy moment
# hurts all tools alike; the medians over the rounds are compared.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

read_tree_arguments duplicates "$@"
min_size=1048576

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-duplicates
require_built "$make_tree" "$ours"
require_peer jdupes "scripts/install-deps --bench"

make_work_dir "${TMPDIR:-/tmp}/tornivo-bench.XXXXXX"

# --- the tree ---------------------------------------------------------------------------------
ensure_tree duplicates "$files" "$folders"
tree=$made
summary=$(tree_summary "$tree")

roots=()
for folder in Downloads Documents Desktop Pictures Movies; do roots+=("$tree/$folder"); done

# --- the tools --------------------------------------------------------------------------------
# Each tool is a name and a command; ours comes first, jdupes second.
names=(tornivo jdupes)
command[tornivo]="$(printf '%q ' "$ours" "${roots[@]}" --min-size "$min_size" --runs 1 \
  --groups "$work/tornivo.groups")"
command[jdupes]="$(printf '%q ' jdupes -r -q -A -X "size+=:$min_size" "${roots[@]}")"
# The command line, when built, on the same roots (with an empty home of its own, so that no
# protected folder of the user running this applies).
cli=$build_dir/src/cli/tornivo-cli
if [[ -x $cli ]]; then
  names+=(cli)
  command[cli]="$(printf '%q ' env HOME="$work/cli-home" "$cli" --json duplicates \
    --min-size "$min_size" "${roots[@]}")"
fi
if command -v fdupes >/dev/null; then
  names+=(fdupes)
  command[fdupes]="$(printf '%q ' fdupes -r -q -A -G "$min_size" "${roots[@]}")"
fi
if command -v rdfind >/dev/null; then
  names+=(rdfind)
  command[rdfind]="$(printf '%q ' rdfind -minsize "$min_size" -dryrun true \
    -makeresultsfile false "${roots[@]}")"
fi

load_before=$(load_average)
echo "Warming the caches..."
for tool in tornivo "${names[@]}"; do run_timed "$tool" >/dev/null; done

echo "Timing ${#names[@]} tools, $runs rounds..."
rounds "$runs" "" : note_time_inside
load_after=$(load_average)

measure_peak_memory

# --- report -----------------------------------------------------------------------------------
echo
echo "duplicates benchmark, $(machine "$tree")"
echo "load average (1, 5, 15 min): $load_before before, $load_after after"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files," \
  "$(field hard_links "$summary") extra hard links, $(field symlinks "$summary") symlinks," \
  "$(field content_bytes "$summary") content bytes; generated in $(field seconds "$summary") s"
echo
tool_table jdupes
echo "Medians of $runs alternating runs each, whole processes (rdfind also reads hidden files)." \
  "Inside the process, scan itself took a median of $(median_seconds "${ours_inside[@]}") s."
say_target "tornivo / jdupes" "$(median_of tornivo)" "$(median_of jdupes)" 1.00

# Groups as sets of files: each path becomes device:inode, names of one file count once, groups
# of fewer than two files are dropped; one sorted line per group, lines sorted.
canonical() {  # GROUPS_FILE (one path per line, a blank line after each group)
  local path ids=()
  while IFS= read -r path || [[ -n $path ]]; do
    if [[ -z $path ]]; then
      if ((${#ids[@]} > 0)); then printf '%s\n' "${ids[@]}" | sort -u | paste -sd ' '; fi
      ids=()
    else
      ids+=("$(stat -c '%d:%i' -- "$path")")
    fi
  done <"$1"
  if ((${#ids[@]} > 0)); then printf '%s\n' "${ids[@]}" | sort -u | paste -sd ' '; fi
}
as_sets() { canonical "$1" | awk 'NF >= 2' | sort; }

as_sets "$work/tornivo.groups" >"$work/tornivo.sets"
as_sets "$work/jdupes.out" >"$work/jdupes.sets"
hidden_listed=$(grep -c '/\.' "$work/jdupes.out" || true)
echo
echo "groups: tornivo $(wc -l <"$work/tornivo.sets"), jdupes $(wc -l <"$work/jdupes.sets")" \
  "($(grep -c . "$work/tornivo.groups" || true) and $(grep -c . "$work/jdupes.out" || true)" \
  "names listed; jdupes listed $hidden_listed hidden paths)"
status=0
if diff "$work/tornivo.sets" "$work/jdupes.sets" >"$work/sets.diff"; then
  echo "  the same groups, group by group"
else
  echo "  DIFFERENT groups (< tornivo only, > jdupes only):"
  sed 's/^/    /' "$work/sets.diff"
  status=1
fi
if [[ -n ${command[fdupes]:-} ]]; then
  as_sets "$work/fdupes.out" >"$work/fdupes.sets"
  if cmp -s "$work/tornivo.sets" "$work/fdupes.sets"; then
    echo "  fdupes: the same groups"
  else
    echo "  fdupes: different groups ($(wc -l <"$work/fdupes.sets"))"
  fi
fi

save_run_times duplicates tool "${names[@]}"
if ((status != 0)); then
  echo "$0: our groups differ from jdupes's" >&2
fi
exit $status
