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
export LC_ALL=C  # also keeps a dot in $EPOCHREALTIME

usage() {
  echo "usage: $0 BUILD_DIR [--runs N] [--files N] [--folders M]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-7}
files=1000000
folders=100000
seed=1
while [[ $# -gt 0 ]]; do
  [[ $# -ge 2 ]] || usage
  case $1 in
    --runs) runs=$2 ;;
    --files) files=$2 ;;
    --folders) folders=$2 ;;
    *) usage ;;
  esac
  shift 2
done
for n in "$runs" "$files" "$folders"; do [[ $n =~ ^[0-9]+$ ]] || usage; done
((runs > 0)) || usage

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-directory-size
for exe in "$make_tree" "$ours"; do
  [[ -x $exe ]] || { echo "$0: $exe is missing: build the bench-tools target first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-bench.XXXXXX")
partial=
cleanup() {
  rm -rf "$work"
  if [[ -n $partial ]]; then rm -rf "$partial"; fi
}
trap cleanup EXIT

# --- the tree ---------------------------------------------------------------------------------
bench_dir=${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}
name=many-files
[[ $files == 1000000 && $folders == 100000 ]] || name=many-files-$files-$folders
tree=$bench_dir/$name
marker=$bench_dir/$name.marker  # beside the tree, so it is not part of what is measured
want="$("$make_tree" --version) many-files --files $files --folders $folders --seed $seed"

if [[ ! -d $tree || ! -f $marker || "$(head -n 1 "$marker")" != "$want" ]]; then
  if [[ ! -d $bench_dir ]]; then
    mkdir -p "$bench_dir"
    chmod 1777 "$bench_dir"  # like /var/tmp: every user can add trees, and only remove their own
  fi
  if [[ -e $tree || -e $marker ]]; then
    echo "$tree was made by another generator or with other options: replacing it."
    if [[ $(id -u) -ne 0 && -e $tree && ! -O $tree ]] || ! rm -rf "$tree" "$marker"; then
      echo "$0: cannot replace $tree (another user's?); set TORNIVO_BENCH_DIR elsewhere" >&2
      exit 1
    fi
  fi
  partial=$tree.partial.$$
  echo "Generating $tree ($files entries in $folders folders)..."
  summary=$("$make_tree" many-files "$partial" --files "$files" --folders "$folders" \
    --seed "$seed" --jobs "$(nproc)")
  mv "$partial" "$tree"
  partial=
  sync  # written back now rather than during the timed runs
  printf '%s\n%s\n' "$want" "$summary" >"$marker"
  echo "  $summary"
else
  echo "Reusing $tree."
fi
summary=$(sed -n 2p "$marker")
field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }

# --- the tools --------------------------------------------------------------------------------
# Each tool is a name and a command; ours must come first and du second (the totals use them).
names=(tornivo du)
declare -A command
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

# Runs tool $1 once; its output goes to $work/$1.out; prints its wall time in microseconds.
run_timed() {
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

echo "Warming the caches..."
for tool in du "${names[@]}"; do run_timed "$tool" >/dev/null; done

declare -A times
ours_inside=()
echo "Timing ${#names[@]} tools, $runs rounds..."
for ((round = 0; round < runs; round++)); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    tool=${names[(round + k) % ${#names[@]}]}
    t=$(run_timed "$tool")
    times[$tool]+="$t "
    if [[ $tool == tornivo ]]; then
      ours_inside+=("$(field wall_seconds "$(head -n 1 "$work/tornivo.out")")")
    fi
  done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minimum() { tr ' ' '\n' | grep . | sort -g | head -n 1; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1e6 }'; }

# Peak memory of one more run each, when GNU time is there.
declare -A rss
if [[ -x /usr/bin/time ]]; then
  for tool in "${names[@]}"; do
    rss[$tool]=$(eval "/usr/bin/time -f %M -o $work/rss ${command[$tool]}" \
      </dev/null >/dev/null 2>&1 && cat "$work/rss" || echo "?")
  done
fi

# --- report -----------------------------------------------------------------------------------
du_median=$(median <<<"${times[du]}")
echo
echo "directorySize benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
  "$(df --output=fstype "$tree" | tail -n 1) on Linux $(uname -r), as $(id -un)"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files" \
  "($(field empty_files "$summary") empty), $(field symlinks "$summary") symlinks," \
  "$(field hard_links "$summary") extra hard links, $(field content_bytes "$summary") content bytes;" \
  "generated in $(field seconds "$summary") s"
echo
printf '%-8s %9s %9s %9s %11s  %s\n' tool median_s min_s vs_du max_rss_kib command
for tool in "${names[@]}"; do
  m=$(median <<<"${times[$tool]}")
  printf '%-8s %9s %9s %9s %11s  %s\n' "$tool" "$(seconds "$m")" \
    "$(seconds "$(minimum <<<"${times[$tool]}")")" \
    "$(awk -v a="$m" -v b="$du_median" 'BEGIN { printf "%.2f", a / b }')" \
    "${rss[$tool]:-?}" "${command[$tool]//"$tree"/TREE}"
done
echo "Medians of $runs alternating runs each, whole processes. Inside the process," \
  "directorySize itself took a median of $(seconds "$(printf '%s ' "${ours_inside[@]}" | median |
    awk '{ print $1 * 1e6 }')") s."
ratio=$(awk -v a="$(median <<<"${times[tornivo]}")" -v b="$du_median" 'BEGIN { printf "%.2f", a / b }')
if awk -v r="$ratio" 'BEGIN { exit !(r <= 1.0) }'; then verdict=met; else verdict="NOT met"; fi
echo "tornivo / du = $ratio (target: at most 1.00, $verdict)"

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

runs_file=$build_dir/bench/directory-size-runs.tsv
if [[ -w $build_dir/bench ]]; then
  {
    printf 'tool\tround_times_us\n'
    for tool in "${names[@]}"; do printf '%s\t%s\n' "$tool" "${times[$tool]}"; done
  } >"$runs_file"
  echo "Every run's time: $runs_file"
fi

if ((unexplained != 0)); then
  echo "$0: directorySize disagrees with du beyond the root folder and hard links" >&2
  exit 1
fi
