#!/usr/bin/env bash
# Times the developer scan's project walk (DeveloperCleanEngine::scan on a freedesktop home)
# on the many-files tree, beside the X-Ray walk of the same tree (tornivo-bench-xray), `du -s`,
# and `find -name '.*' -prune` (the walk's own shape: hidden folders not entered), warm cache.
# Then checks on a scratch home that the walk finds every planted project, and nothing else.
#
#   bench/run-developer.sh BUILD_DIR [--runs N] [--projects N]
#
# Each round runs every command once, in an order that rotates from round to round, so a noisy
# moment hurts all alike; medians over the rounds are compared. Works as root and as a user.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

usage_text="BUILD_DIR [--runs N] [--projects N]"
runs=${TORNIVO_BENCH_RUNS:-7}
projects=1000
set_option() {
  case $1 in
    --runs) runs=$2 ;;
    --projects) projects=$2 ;;
    *) return 1 ;;
  esac
}
read_arguments set_option "$@"
require_counts "$runs" "$projects"

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-developer
xray=$build_dir/bench/tornivo-bench-xray
require_built "$make_tree" "$ours" "$xray"

# --- the tree (the same one, and the same marker, as run-directory-size.sh) -------------------
use_default_many_files_tree
summary=$(tree_summary "$tree")

make_work_dir "$bench_dir/developer.XXXXXX"

# --- the commands ------------------------------------------------------------------------------
names=(projects xray du find-pruned)
command[projects]="$(printf '%q ' "$ours" "$tree" --runs 1)"
command[xray]="$(printf '%q ' "$xray" "$tree" --runs 1)"
command[du]="$(printf '%q ' du -s -B1 "$tree")"
command[find-pruned]="$(printf '%q ' find "$tree" -name '.*' -prune -o -print) >/dev/null"

echo
echo "Developer project walk benchmark, $(machine "$tree")"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files," \
  "$(field symlinks "$summary") symlinks"
echo "load average before: $(load_average)"

echo "Warming the caches..." >&2
for tool in du "${names[@]}"; do run_timed "$tool" >/dev/null; done
echo "Timing warm, $runs rounds..." >&2
rounds "$runs" "" : :

echo
echo "Warm cache, medians of $runs alternating rounds, whole processes:"
ratio_table '%-12s %9s %9s %7s %8s  %s\n' command "" du xray
r_xray=$(ratio "$(median_of projects)" "$(median_of xray)")
echo "project walk / X-Ray = $r_xray (target: at most 1.00, the X-Ray's speed:" \
  "$(verdict "$r_xray" 1.00))"
last=$(tail -n 1 "$work/projects.out")
echo "the project walk used $(field threads "$last") threads and found" \
  "$(field projects "$last") outputs in the tree"

# --- what the walk finds ----------------------------------------------------------------------
# A scratch home of N projects, a tenth each of several kinds, plus decoys that must not count:
# a marker without its output, an output without its marker, a project in a hidden folder, a
# project inside a node_modules.
echo
echo "Planting $projects projects in a scratch home..." >&2
home=$work/home
expected=$work/expected
: >"$expected"
for ((i = 0; i < projects; i++)); do
  dir=$home/group$((i % 50))/project$i
  case $((i % 5)) in
    0) marker=package.json out=node_modules ;;
    1) marker=Cargo.toml out=target ;;
    2) marker=build.gradle out=build ;;
    3) marker=pubspec.yaml out=.dart_tool ;;
    4) marker=Package.swift out=.build ;;
  esac
  mkdir -p "$dir/$out/sub" "$dir/src"
  : >"$dir/$marker"
  echo "artifact $i" >"$dir/$out/sub/file"
  echo "source $i" >"$dir/src/main"
  echo "$dir/$out" >>"$expected"
done
mkdir -p "$home/decoys/marker-only" "$home/decoys/output-only/target" \
  "$home/.hidden/site/node_modules" "$home/decoys/site/node_modules/dep/node_modules"
: >"$home/decoys/marker-only/Cargo.toml"
echo x >"$home/decoys/output-only/target/file"
: >"$home/.hidden/site/package.json"
echo x >"$home/.hidden/site/node_modules/file"
: >"$home/decoys/site/package.json"
: >"$home/decoys/site/node_modules/dep/package.json"
echo x >"$home/decoys/site/node_modules/dep/node_modules/file"
echo "$home/decoys/site/node_modules" >>"$expected"

"$ours" "$home" --runs 1 --list >"$work/planted.out"
grep -v '^run' "$work/planted.out" | grep -v '^runs=' | sort >"$work/found"
sort -o "$expected" "$expected"
if ! cmp -s "$work/found" "$expected"; then
  echo "$0: the walk did not find exactly the planted projects:" >&2
  diff "$expected" "$work/found" | head -n 20 >&2
  exit 1
fi
echo "scratch home: found exactly the $((projects + 1)) planted outputs," \
  "in $(field median_wall_seconds "$(tail -n 1 "$work/planted.out")") s"

echo
echo "load average after: $(load_average)"
mapfile -t keys < <(printf '%s\n' "${!times[@]}" | sort)
save_run_times developer run "${keys[@]}"
