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
export LC_ALL=C  # also keeps a dot in $EPOCHREALTIME

usage() {
  echo "usage: $0 BUILD_DIR [--runs N] [--files N] [--folders M]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-7}
files=400
folders=40
seed=1
min_size=1048576
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
ours=$build_dir/bench/tornivo-bench-duplicates
for exe in "$make_tree" "$ours"; do
  [[ -x $exe ]] || { echo "$0: $exe is missing: build the bench-tools target first" >&2; exit 1; }
done
command -v jdupes >/dev/null || { echo "$0: jdupes is missing (scripts/install-deps --bench)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-bench.XXXXXX")
partial=
cleanup() {
  rm -rf "$work"
  if [[ -n $partial ]]; then rm -rf "$partial"; fi
}
trap cleanup EXIT

# --- the tree ---------------------------------------------------------------------------------
bench_dir=${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}
name=duplicates
[[ $files == 400 && $folders == 40 ]] || name=duplicates-$files-$folders
tree=$bench_dir/$name
marker=$bench_dir/$name.marker  # beside the tree, so it is not part of what is measured
want="$("$make_tree" --version) duplicates --files $files --folders $folders --seed $seed"

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
  echo "Generating $tree ($files files in $folders folders)..."
  summary=$("$make_tree" duplicates "$partial" --files "$files" --folders "$folders" \
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

roots=()
for folder in Downloads Documents Desktop Pictures Movies; do roots+=("$tree/$folder"); done

# --- the tools --------------------------------------------------------------------------------
# Each tool is a name and a command; ours comes first, jdupes second.
names=(tornivo jdupes)
declare -A command
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

load_before=$(cut -d ' ' -f 1-3 /proc/loadavg)
echo "Warming the caches..."
for tool in tornivo "${names[@]}"; do run_timed "$tool" >/dev/null; done

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
load_after=$(cut -d ' ' -f 1-3 /proc/loadavg)

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
jdupes_median=$(median <<<"${times[jdupes]}")
echo
echo "duplicates benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
  "$(df --output=fstype "$tree" | tail -n 1) on Linux $(uname -r), as $(id -un)"
echo "load average (1, 5, 15 min): $load_before before, $load_after after"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files," \
  "$(field hard_links "$summary") extra hard links, $(field symlinks "$summary") symlinks," \
  "$(field content_bytes "$summary") content bytes; generated in $(field seconds "$summary") s"
echo
printf '%-8s %9s %9s %9s %11s  %s\n' tool median_s min_s vs_jdupes max_rss_kib command
for tool in "${names[@]}"; do
  m=$(median <<<"${times[$tool]}")
  printf '%-8s %9s %9s %9s %11s  %s\n' "$tool" "$(seconds "$m")" \
    "$(seconds "$(minimum <<<"${times[$tool]}")")" \
    "$(awk -v a="$m" -v b="$jdupes_median" 'BEGIN { printf "%.2f", a / b }')" \
    "${rss[$tool]:-?}" "${command[$tool]//"$tree"/TREE}"
done
echo "Medians of $runs alternating runs each, whole processes (rdfind also reads hidden files)." \
  "Inside the process, scan itself took a median of $(seconds "$(printf '%s ' "${ours_inside[@]}" |
    median | awk '{ print $1 * 1e6 }')") s."
ratio=$(awk -v a="$(median <<<"${times[tornivo]}")" -v b="$jdupes_median" \
  'BEGIN { printf "%.2f", a / b }')
if awk -v r="$ratio" 'BEGIN { exit !(r <= 1.0) }'; then verdict=met; else verdict="NOT met"; fi
echo "tornivo / jdupes = $ratio (target: at most 1.00, $verdict)"

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

runs_file=$build_dir/bench/duplicates-runs.tsv
if [[ -w $build_dir/bench ]]; then
  {
    printf 'tool\tround_times_us\n'
    for tool in "${names[@]}"; do printf '%s\t%s\n' "$tool" "${times[$tool]}"; done
  } >"$runs_file"
  echo "Every run's time: $runs_file"
fi
if ((status != 0)); then
  echo "$0: our groups differ from jdupes's" >&2
fi
exit $status
