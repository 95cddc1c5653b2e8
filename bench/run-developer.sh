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
export LC_ALL=C  # also keeps a dot in $EPOCHREALTIME

usage() {
  echo "usage: $0 BUILD_DIR [--runs N] [--projects N]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-7}
projects=1000
while [[ $# -gt 0 ]]; do
  [[ $# -ge 2 ]] || usage
  case $1 in
    --runs) runs=$2 ;;
    --projects) projects=$2 ;;
    *) usage ;;
  esac
  shift 2
done
for n in "$runs" "$projects"; do [[ $n =~ ^[0-9]+$ ]] && ((n > 0)) || usage; done

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-developer
xray=$build_dir/bench/tornivo-bench-xray
for exe in "$make_tree" "$ours" "$xray"; do
  [[ -x $exe ]] || { echo "$0: $exe is missing: build the bench-tools target first" >&2; exit 1; }
done

# --- the tree (the same one, and the same marker, as run-directory-size.sh) -------------------
bench_dir=${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}
tree=$bench_dir/many-files
marker=$bench_dir/many-files.marker
want="$("$make_tree" --version) many-files --files 1000000 --folders 100000 --seed 1"
if [[ ! -d $tree || ! -f $marker || "$(head -n 1 "$marker")" != "$want" ]]; then
  echo "$tree is missing or out of date: making it with run-directory-size.sh first."
  "$(dirname "$0")/run-directory-size.sh" "$build_dir" --runs 1 >/dev/null
fi
summary=$(sed -n 2p "$marker")
field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }

work=$(mktemp -d "$bench_dir/developer.XXXXXX")
trap 'rm -rf "$work"' EXIT

# --- the commands ------------------------------------------------------------------------------
names=(projects xray du find-pruned)
declare -A command
command[projects]="$(printf '%q ' "$ours" "$tree" --runs 1)"
command[xray]="$(printf '%q ' "$xray" "$tree" --runs 1)"
command[du]="$(printf '%q ' du -s -B1 "$tree")"
command[find-pruned]="$(printf '%q ' find "$tree" -name '.*' -prune -o -print) >/dev/null"

run_timed() {  # TOOL: runs it once, output to $work/TOOL.out; prints the wall time in us
  local start end
  start=$EPOCHREALTIME
  if ! eval "${command[$1]}" </dev/null >"$work/$1.out" 2>"$work/$1.err"; then
    echo "$0: $1 failed: ${command[$1]}" >&2
    cat "$work/$1.err" >&2
    exit 1
  fi
  end=$EPOCHREALTIME
  echo $((${end/./} - ${start/./}))
}
median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minimum() { tr ' ' '\n' | grep . | sort -g | head -n 1; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { exit !(r <= t) }' && echo met || echo "NOT met"; }

echo
echo "Developer project walk benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
  "$(df --output=fstype "$tree" | tail -n 1) on Linux $(uname -r), as $(id -un)"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files," \
  "$(field symlinks "$summary") symlinks"
echo "load average before: $(cut -d ' ' -f 1-3 /proc/loadavg)"

echo "Warming the caches..." >&2
for tool in du "${names[@]}"; do run_timed "$tool" >/dev/null; done
echo "Timing warm, $runs rounds..." >&2
declare -A times
for ((round = 0; round < runs; round++)); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    tool=${names[(round + k) % ${#names[@]}]}
    times[$tool]+="$(run_timed "$tool") "
  done
done

du_m=$(median <<<"${times[du]}")
xray_m=$(median <<<"${times[xray]}")
echo
echo "Warm cache, medians of $runs alternating rounds, whole processes:"
printf '%-12s %9s %9s %7s %8s  %s\n' command median_s min_s vs_du vs_xray command
for tool in "${names[@]}"; do
  m=$(median <<<"${times[$tool]}")
  printf '%-12s %9s %9s %7s %8s  %s\n' "$tool" "$(seconds "$m")" \
    "$(seconds "$(minimum <<<"${times[$tool]}")")" "$(ratio "$m" "$du_m")" \
    "$(ratio "$m" "$xray_m")" "${command[$tool]//"$tree"/TREE}"
done
ours_m=$(median <<<"${times[projects]}")
r_xray=$(ratio "$ours_m" "$xray_m")
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
echo "load average after: $(cut -d ' ' -f 1-3 /proc/loadavg)"
runs_file=$build_dir/bench/developer-runs.tsv
if [[ -w $build_dir/bench ]]; then
  {
    printf 'run\tround_times_us\n'
    for key in "${!times[@]}"; do printf '%s\t%s\n' "$key" "${times[$key]}"; done | sort
  } >"$runs_file"
  echo "Every run's time: $runs_file"
fi
