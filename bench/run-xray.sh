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
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

usage_text="BUILD_DIR [--runs N] [--cold-runs N] [--no-cold] [--no-memory]"
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-7}
cold_runs=${TORNIVO_BENCH_COLD_RUNS:-5}
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
require_counts "$runs" "$cold_runs"

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-xray
require_built "$make_tree" "$ours"
require_peer gdu "scripts/install-deps --bench"

make_work_dir "${TMPDIR:-/tmp}/tornivo-bench.XXXXXX"

# --- the trees (the same names and markers as run-directory-size.sh) --------------------------
ensure_tree many-files 1000000 100000 --quiet
tree=$made
summary=$(tree_summary "$tree")
small_tree=
if ((memory)); then
  ensure_tree many-files 250000 25000 --quiet
  small_tree=$made
fi

# --- the tools --------------------------------------------------------------------------------
names=(tornivo du gdu)
# The command line, when built: the same walk as a whole program on the tree as its home, the
# JSON document written out.
cli=$build_dir/src/cli/tornivo-cli
[[ -x $cli ]] && names+=(cli)
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

drop_caches() {
  sync
  echo 3 >/proc/sys/vm/drop_caches
}

table() {  # PREFIX TITLE
  echo
  echo "$2"
  ratio_table '%-8s %9s %9s %7s %7s  %s\n' tool "$1" du gdu
}

echo
echo "X-Ray benchmark, $(machine "$tree")"
echo "tree: $tree"
echo "  $(field folders "$summary") folders, $(field files "$summary") files," \
  "$(field symlinks "$summary") symlinks, $(field content_bytes "$summary") content bytes"
echo "load average before: $(load_average)"

# --- warm -------------------------------------------------------------------------------------
echo "Warming the caches..." >&2
for tool in du "${names[@]}"; do run_timed "$tool" >/dev/null; done
echo "Timing warm, $runs rounds..." >&2
rounds "$runs" warm_ : :
table warm_ "Warm cache, medians of $runs alternating rounds, whole processes:"
ours_warm=$(median_of warm_tornivo)
r_du=$(ratio "$ours_warm" "$(median_of warm_du)")
r_gdu=$(ratio "$ours_warm" "$(median_of warm_gdu)")
echo "warm: tornivo / du = $r_du (target at most 0.50: $(verdict "$r_du" 0.50));" \
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
  rounds "$cold_runs" cold_ drop_caches :
  table cold_ "Cold cache, medians of $cold_runs alternating rounds, whole processes:"
  r_cold=$(ratio "$(median_of cold_tornivo)" "$(median_of cold_gdu)")
  echo "cold: tornivo / gdu = $r_cold (target at most 0.40: $(verdict "$r_cold" 0.40))"
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
  for tool in "${names[@]}"; do
    for t in "$small_tree" "$tree"; do
      eval "$(command_for "$tool" "$t")" </dev/null >/dev/null 2>&1  # warm this tree
      rss[$tool$t]=$(peak_rss "$(command_for "$tool" "$t")")
    done
    printf '%-8s %12s %12s\n' "$tool" "${rss[$tool$small_tree]}" "${rss[$tool$tree]}"
  done
  grow=$((rss[tornivo$tree] - rss[tornivo$small_tree]))
  if ((grow <= 2048)); then flat=met; else flat="NOT met"; fi
  echo "memory: tornivo grows by $grow KiB from 250k to 1M files (target: flat, within" \
    "2 MiB: $flat)"
fi

echo
echo "load average after: $(load_average)"
mapfile -t keys < <(printf '%s\n' "${!times[@]}" | sort)
save_run_times xray run "${keys[@]}"

if [[ $ours_files != "$found_files" || $ours_bytes != "$found_bytes" ]]; then
  echo "$0: the X-Ray's count disagrees with find" >&2
  exit 1
fi
