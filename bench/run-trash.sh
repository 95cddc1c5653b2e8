#!/usr/bin/env bash
# Times moving 10,000 selected files of one folder to the Trash: the large-file scanner's
# removal (one GIO g_file_trash per file, through Trash::moveToTrash) against one `trash-put`
# call with all the names.
#
#   bench/run-trash.sh BUILD_DIR [--runs N] [--files N]
#
# Everything happens in a scratch folder under ${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}:
# XDG_DATA_HOME points there, so the Trash both tools use is a scratch one on the same file
# system as the files, and the real Trash is never touched. Every run (the warm-up ones too) gets
# a folder of its own, made before the run (untimed), with new files and an empty Trash; all go
# at the end. Nothing is deleted between runs: ext4 passes over inodes freed in the last few
# seconds when it allocates new ones, so a Trash emptied just before a run would make every
# restore record slow to create, which says nothing about either tool. Each round runs both
# tools, in an order that rotates from round to round; medians are compared. Works as root and
# as a user.
set -euo pipefail
export LC_ALL=C

usage() {
  echo "usage: $0 BUILD_DIR [--runs N] [--files N]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-7}
count=10000
while [[ $# -gt 0 ]]; do
  [[ $# -ge 2 ]] || usage
  case $1 in
    --runs) runs=$2 ;;
    --files) count=$2 ;;
    *) usage ;;
  esac
  shift 2
done
for n in "$runs" "$count"; do [[ $n =~ ^[0-9]+$ ]] && ((n > 0)) || usage; done

ours=$build_dir/bench/tornivo-bench-trash
[[ -x $ours ]] || { echo "$0: $ours is missing: build the bench-tools target first" >&2; exit 1; }
command -v trash-put >/dev/null || { echo "$0: trash-put is missing (trash-cli)" >&2; exit 1; }

bench_dir=${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}
mkdir -p "$bench_dir"
work=$(mktemp -d "$bench_dir/trash.XXXXXX")
trap 'rm -rf "$work"' EXIT

prepare() {  # a new folder with the files, small and distinct, and an empty Trash beside it
  run_dir=$(mktemp -d "$work/run.XXXXXX")
  folder=$run_dir/selected
  mkdir -p "$folder" "$run_dir/data"
  local i
  for ((i = 0; i < count; i++)); do printf 'file %d\n' "$i" >"$folder/report-$i.txt"; done
  sync -f "$run_dir"  # written back now rather than during the timed run
}

names=(tornivo trash-put)
command_of() {  # the command of tool $1 for the current run
  case $1 in
    tornivo) printf '%q ' "$ours" "$folder" ;;
    trash-put) echo "trash-put -- $(printf '%q' "$folder")/*" ;;
  esac
}

run_timed() {  # prints the wall time of tool $1 in microseconds, after checking what it did
  local start end cmd
  prepare
  cmd="XDG_DATA_HOME=$(printf '%q' "$run_dir/data") $(command_of "$1")"
  start=$EPOCHREALTIME
  if ! eval "$cmd" </dev/null >"$work/$1.out" 2>"$work/$1.err"; then
    echo "$0: $1 failed: $cmd" >&2
    cat "$work/$1.err" >&2
    exit 1
  fi
  end=$EPOCHREALTIME
  local trash=$run_dir/data/Trash left moved infos
  left=$(find "$folder" -mindepth 1 | wc -l)
  moved=$(find "$trash/files" -mindepth 1 -maxdepth 1 | wc -l)
  infos=$(find "$trash/info" -mindepth 1 -maxdepth 1 -name '*.trashinfo' | wc -l)
  if ((left != 0 || moved != count || infos != count)); then
    echo "$0: $1 left $left files, moved $moved, wrote $infos restore records" >&2
    exit 1
  fi
  echo $((${end/./} - ${start/./}))
}

echo "Warming up..."
for tool in "${names[@]}"; do run_timed "$tool" >/dev/null; done

declare -A times
inside=()
echo "Timing ${#names[@]} tools, $runs rounds of $count files," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)..."
for ((round = 0; round < runs; round++)); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    tool=${names[(round + k) % ${#names[@]}]}
    times[$tool]+="$(run_timed "$tool") "
    if [[ $tool == tornivo ]]; then
      inside+=("$(sed -n 's/.*wall_seconds=\([^ ]*\).*/\1/p' "$work/tornivo.out")")
    fi
  done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1e6 }'; }

peer_median=$(median <<<"${times[trash-put]}")
echo
echo "Trash benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
  "$(df --output=fstype "$work" | tail -n 1) on Linux $(uname -r), as $(id -un)," \
  "trash-put $(trash-put --version 2>/dev/null | head -n 1 | awk '{ print $NF }')," \
  "load average now $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-10s %9s %12s\n' tool median_s vs_trash-put
for tool in "${names[@]}"; do
  m=$(median <<<"${times[$tool]}")
  printf '%-10s %9s %12s\n' "$tool" "$(seconds "$m")" \
    "$(awk -v a="$m" -v b="$peer_median" 'BEGIN { printf "%.2f", a / b }')"
done
echo "Medians of $runs alternating runs each, whole processes, $count files each. Inside the" \
  "process the removal took a median of $(printf '%s ' "${inside[@]}" | median) s."
ratio=$(awk -v a="$(median <<<"${times[tornivo]}")" -v b="$peer_median" \
  'BEGIN { printf "%.2f", a / b }')
if awk -v r="$ratio" 'BEGIN { exit !(r <= 0.5) }'; then verdict=met; else verdict="NOT met"; fi
echo "tornivo / trash-put = $ratio (target: at most 0.50, $verdict)"
