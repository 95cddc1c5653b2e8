#!/usr/bin/env bash
# Times the X-Ray (DiskAnalyzer::analyze) against `du -s` and `gdu -n` on the generated tree of
# about a million files: warm cache; cold cache when run as root (caches dropped before every
# run); and the peak memory on a tree of 250,000 files against the million.
#
#   bench/run-xray.sh BUILD_DIR [--runs N] [--cold-runs N] [--no-cold] [--no-memory]
#
# Trees are made once under ${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench} and shared with
# run-directory-size.sh. Each round runs every tool once, in an order that rotates from round
# to round, so a noisy moment hurts all tools alike; medians over the rounds are compared.
set -euo pipefail
export LC_ALL=C  # also keeps a dot in $EPOCHREALTIME

usage() {
  echo "usage: $0 BUILD_DIR [--runs N] [--cold-runs N] [--no-cold] [--no-memory]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-7}
cold_runs=${TORNIVO_BENCH_COLD_RUNS:-3}
cold=1
memory=1
while [[ $# -gt 0 ]]; do
  case $1 in
    --runs) [[ $# -ge 2 ]] || usage; runs=$2; shift ;;
    --cold-runs) [[ $# -ge 2 ]] || usage; cold_runs=$2; shift ;;
    --no-cold) cold=0 ;;
    --no-memory) memory=0 ;;
    *) usage ;;
  esac
  shift
done
for n in "$runs" "$cold_runs"; do [[ $n =~ ^[0-9]+$ ]] && ((n > 0)) || usage; done

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-xray
for exe in "$make_tree" "$ours"; do
  [[ -x $exe ]] || { echo "$0: $exe is missing: build the bench-tools target first" >&2; exit 1; }
done
command -v gdu >/dev/null || { echo "$0: gdu is missing (scripts/install-deps --bench)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-bench.XXXXXX")
partial=
cleanup() {
  rm -rf "$work"
  if [[ -n $partial ]]; then rm -rf "$partial"; fi
}
trap cleanup EXIT

# --- the trees (the same names and markers as run-directory-size.sh) --------------------------
bench_dir=${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}
field() { sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"; }

# Makes (or reuses) the many-files tree of FILES entries in FOLDERS folders; sets $made.
made=
ensure_tree() {
  local files=$1 folders=$2 name=many-files
  [[ $files == 1000000 && $folders == 100000 ]] || name=many-files-$files-$folders
  local tree=$bench_dir/$name marker=$bench_dir/$name.marker
  local want
  want="$("$make_tree" --version) many-files --files $files --folders $folders --seed 1"
  if [[ ! -d $tree || ! -f $marker || "$(head -n 1 "$marker")" != "$want" ]]; then
    if [[ ! -d $bench_dir ]]; then
      mkdir -p "$bench_dir"
      chmod 1777 "$bench_dir"  # like /var/tmp: every user can add trees
    fi
    if [[ -e $tree || -e $marker ]]; then
      if [[ $(id -u) -ne 0 && -e $tree && ! -O $tree ]] || ! rm -rf "$tree" "$marker"; then
        echo "$0: cannot replace $tree (another user's?); set TORNIVO_BENCH_DIR elsewhere" >&2
        exit 1
      fi
    fi
    partial=$tree.partial.$$
    echo "Generating $tree ($files entries in $folders folders)..."
    local summary
    summary=$("$make_tree" many-files "$partial" --files "$files" --folders "$folders" \
      --seed 1 --jobs "$(nproc)")
    mv "$partial" "$tree"
    partial=
    sync  # written back now rather than during the timed runs
    printf '%s\n%s\n' "$want" "$summary" >"$marker"
  fi
  made=$tree
}

ensure_tree 1000000 100000
tree=$made
summary=$(sed -n 2p "$tree.marker")
small_tree=
if ((memory)); then
  ensure_tree 250000 25000
  small_tree=$made
fi

# --- the tools --------------------------------------------------------------------------------
names=(tornivo du gdu)
# The command line, when built: the same walk as a whole program on the tree as its home, the
# JSON document written out.
cli=$build_dir/src/cli/tornivo-cli
[[ -x $cli ]] && names+=(cli)
declare -A command
command_for() {  # TOOL TREE
  case $1 in
    tornivo) printf '%q ' "$ours" "$2" --runs 1 ;;
    cli) printf '%q ' env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME HOME="$2" \
      "$cli" --json xray ;;
    du) printf '%q ' du -s -B1 "$2" ;;
    gdu) printf '%q ' gdu --non-interactive --no-progress --summarize --no-prefix "$2" ;;
  esac
}
for tool in "${names[@]}"; do command[$tool]=$(command_for "$tool" "$tree"); done

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
drop_caches() {
  sync
  echo 3 >/proc/sys/vm/drop_caches
}

median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minimum() { tr ' ' '\n' | grep . | sort -g | head -n 1; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1e6 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { exit !(r <= t) }' && echo met || echo "NOT met"; }

# Rounds of every tool in rotating order; `prepare` runs before each timed run.
declare -A times
rounds() {  # N PREPARE PREFIX
  local n=$1 prepare=$2 prefix=$3 round k tool
  for ((round = 0; round < n; round++)); do
    for ((k = 0; k < ${#names[@]}; k++)); do
      tool=${names[(round + k) % ${#names[@]}]}
      $prepare
      times[$prefix$tool]+="$(run_timed "$tool") "
    done
  done
}
table() {  # PREFIX TITLE
  local prefix=$1 tool m
  local du_m gdu_m
  du_m=$(median <<<"${times[${prefix}du]}")
  gdu_m=$(median <<<"${times[${prefix}gdu]}")
  echo
  echo "$2"
  printf '%-8s %9s %9s %7s %7s  %s\n' tool median_s min_s vs_du vs_gdu command
  for tool in "${names[@]}"; do
    m=$(median <<<"${times[$prefix$tool]}")
    printf '%-8s %9s %9s %7s %7s  %s\n' "$tool" "$(seconds "$m")" \
      "$(seconds "$(minimum <<<"${times[$prefix$tool]}")")" "$(ratio "$m" "$du_m")" \
      "$(ratio "$m" "$gdu_m")" "${command[$tool]//"$tree"/TREE}"
  done
}

echo
echo "X-Ray benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
  "$(df --output=fstype "$tree" | tail -n 1) on Linux $(uname -r), as $(id -un)"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files," \
  "$(field symlinks "$summary") symlinks, $(field content_bytes "$summary") content bytes"
echo "load average before: $(cut -d ' ' -f 1-3 /proc/loadavg)"

# --- warm -------------------------------------------------------------------------------------
echo "Warming the caches..." >&2
for tool in du "${names[@]}"; do run_timed "$tool" >/dev/null; done
echo "Timing warm, $runs rounds..." >&2
rounds "$runs" : warm_
table warm_ "Warm cache, medians of $runs alternating rounds, whole processes:"
ours_warm=$(median <<<"${times[warm_tornivo]}")
r_du=$(ratio "$ours_warm" "$(median <<<"${times[warm_du]}")")
r_gdu=$(ratio "$ours_warm" "$(median <<<"${times[warm_gdu]}")")
echo "warm: tornivo / du = $r_du (target at most 0.70: $(verdict "$r_du" 0.70));" \
  "tornivo / gdu = $r_gdu (target below 1.00: $(verdict "$r_gdu" 0.99))"

# What we counted, against find: every regular file that takes blocks, and their bytes.
read -r found_files found_bytes < <(find "$tree" -type f -printf '%b\n' |
  awk '$1 > 0 { n++; s += $1 * 512 } END { printf "%.0f %.0f\n", n, s }')
ours_files=$(field files "$(tail -n 1 "$work/tornivo.out")")
ours_bytes=$(field total_bytes "$(tail -n 1 "$work/tornivo.out")")
echo "tornivo walked with $(field threads "$(tail -n 1 "$work/tornivo.out")") threads;" \
  "counted $ours_files files, $ours_bytes bytes; find -type f: $found_files files," \
  "$found_bytes bytes"

# --- cold -------------------------------------------------------------------------------------
if ((cold)) && [[ $(id -u) -eq 0 && -w /proc/sys/vm/drop_caches ]]; then
  echo "Timing cold, $cold_runs rounds (caches dropped before every run)..." >&2
  rounds "$cold_runs" drop_caches cold_
  table cold_ "Cold cache, medians of $cold_runs alternating rounds, whole processes:"
  r_cold=$(ratio "$(median <<<"${times[cold_tornivo]}")" "$(median <<<"${times[cold_gdu]}")")
  echo "cold: tornivo / gdu = $r_cold (target at most 0.60: $(verdict "$r_cold" 0.60))"
  drop_caches  # leave no half-warm state behind; the next user warms what it needs
elif ((cold)); then
  echo
  echo "cold: skipped (dropping the caches needs root)"
fi

# --- memory -----------------------------------------------------------------------------------
if ((memory)) && [[ -x /usr/bin/time ]]; then
  echo
  echo "Peak memory (GNU time, KiB), warm:"
  printf '%-8s %12s %12s\n' tool "250k files" "1M files"
  declare -A rss
  for tool in "${names[@]}"; do
    for t in "$small_tree" "$tree"; do
      eval "$(command_for "$tool" "$t")" </dev/null >/dev/null 2>&1  # warm this tree
      rss[$tool$t]=$(eval "/usr/bin/time -f %M -o $work/rss $(command_for "$tool" "$t")" \
        </dev/null >/dev/null 2>&1 && cat "$work/rss" || echo "?")
    done
    printf '%-8s %12s %12s\n' "$tool" "${rss[$tool$small_tree]}" "${rss[$tool$tree]}"
  done
  grow=$((rss[tornivo$tree] - rss[tornivo$small_tree]))
  if ((grow <= 2048)); then flat=met; else flat="NOT met"; fi
  echo "memory: tornivo grows by $grow KiB from 250k to 1M files (target: flat, within" \
    "2 MiB: $flat)"
fi

echo
echo "load average after: $(cut -d ' ' -f 1-3 /proc/loadavg)"
runs_file=$build_dir/bench/xray-runs.tsv
if [[ -w $build_dir/bench ]]; then
  {
    printf 'run\tround_times_us\n'
    for key in "${!times[@]}"; do printf '%s\t%s\n' "$key" "${times[$key]}"; done | sort
  } >"$runs_file"
  echo "Every run's time: $runs_file"
fi

if [[ $ours_files != "$found_files" || $ours_bytes != "$found_bytes" ]]; then
  echo "$0: the X-Ray's count disagrees with find" >&2
  exit 1
fi
