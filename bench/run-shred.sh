#!/usr/bin/env bash
# Times erasing one 1 GiB file the way the shred section empties the Trash (tornivo-bench-shred,
# 1 and 3 passes) against `shred -n 1 -u` and `shred -n 3 -u`, and against overwriting the same
# file in place from /dev/zero with `dd bs=1M conv=notrunc,fdatasync`, the disk's own limit.
#
#   bench/run-shred.sh BUILD_DIR [--runs N] [--size MIB]
#
# Everything happens in a scratch folder under ${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}, so
# all tools write the same disk. Every run gets a fresh file written in full from /dev/zero and
# flushed (untimed: real blocks, no holes, no dirty pages left); each round runs every tool once,
# in an order that rotates from round to round, and medians are compared. Works as root and as
# a user (nothing is dropped from the caches).
set -euo pipefail
export LC_ALL=C  # also keeps a dot in $EPOCHREALTIME

usage() {
  echo "usage: $0 BUILD_DIR [--runs N] [--size MIB]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-5}
size_mib=1024
while [[ $# -gt 0 ]]; do
  [[ $# -ge 2 ]] || usage
  case $1 in
    --runs) runs=$2 ;;
    --size) size_mib=$2 ;;
    *) usage ;;
  esac
  shift 2
done
for n in "$runs" "$size_mib"; do [[ $n =~ ^[0-9]+$ ]] && ((n > 0)) || usage; done

ours=$build_dir/bench/tornivo-bench-shred
[[ -x $ours ]] || { echo "$0: $ours is missing: build the bench-tools target first" >&2; exit 1; }
command -v shred >/dev/null || { echo "$0: shred is missing (coreutils)" >&2; exit 1; }

bench_dir=${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}
mkdir -p "$bench_dir"
work=$(mktemp -d "$bench_dir/shred.XXXXXX")
trap 'rm -rf "$work"' EXIT
avail_mib=$(($(df --output=avail -k "$work" | tail -n 1) / 1024))
((avail_mib > 2 * size_mib)) || { echo "$0: needs $((2 * size_mib)) MiB free in $work" >&2; exit 1; }

file=$work/victim.bin
prepare() {  # a fresh file of the size, every block written, on the disk
  rm -f "$file"
  dd if=/dev/zero of="$file" bs=1M count="$size_mib" conv=fsync status=none
  sync -f "$work"
}

names=(tornivo-1 shred-1 dd-1 tornivo-3 shred-3)
command_of() {  # the command of tool $1
  local f
  f=$(printf '%q' "$file")
  case $1 in
    tornivo-1) echo "$(printf '%q' "$ours") $f --passes 1" ;;
    tornivo-3) echo "$(printf '%q' "$ours") $f --passes 3" ;;
    shred-1) echo "shred -n 1 -u $f" ;;
    shred-3) echo "shred -n 3 -u $f" ;;
    dd-1) echo "dd if=/dev/zero of=$f bs=1M count=$size_mib conv=notrunc,fdatasync status=none" ;;
  esac
}

run_timed() {  # prints the wall time of tool $1 in microseconds, after checking what it did
  local start end cmd
  prepare
  cmd=$(command_of "$1")
  start=$EPOCHREALTIME
  if ! eval "$cmd" </dev/null >"$work/$1.out" 2>"$work/$1.err"; then
    echo "$0: $1 failed: $cmd" >&2
    cat "$work/$1.err" >&2
    exit 1
  fi
  end=$EPOCHREALTIME
  if [[ $1 == dd-* ]]; then
    [[ $(stat -c %s "$file") == $((size_mib * 1048576)) ]] || { echo "$0: dd changed the size" >&2; exit 1; }
  elif [[ -e $file ]]; then
    echo "$0: $1 left the file behind" >&2
    exit 1
  fi
  rm -f "$file"
  echo $((${end/./} - ${start/./}))
}

echo "Warming up..."
for tool in "${names[@]}"; do run_timed "$tool" >/dev/null; done

declare -A times
echo "Timing ${#names[@]} commands, $runs rounds of a $size_mib MiB file," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)..."
for ((round = 0; round < runs; round++)); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    tool=${names[(round + k) % ${#names[@]}]}
    times[$tool]+="$(run_timed "$tool") "
  done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1e6 }'; }
declare -A med
for tool in "${names[@]}"; do med[$tool]=$(median <<<"${times[$tool]}"); done

echo
echo "Shred benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
  "$(df --output=fstype "$work" | tail -n 1) on Linux $(uname -r), as $(id -un)," \
  "$(shred --version | head -n 1), load average now $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-10s %9s   %s\n' command median_s "all runs (s)"
for tool in "${names[@]}"; do
  all=$(for t in ${times[$tool]}; do seconds "$t"; printf ' '; done)
  printf '%-10s %9s   %s\n' "$tool" "$(seconds "${med[$tool]}")" "$all"
done
echo "Medians of $runs rotating rounds, whole processes."

check() {  # name, ours, peer, target
  local ratio verdict
  ratio=$(awk -v a="${med[$2]}" -v b="${med[$3]}" 'BEGIN { printf "%.2f", a / b }')
  if awk -v r="$ratio" -v t="$4" 'BEGIN { exit !(r <= t) }'; then verdict=met; else verdict="NOT met"; fi
  echo "$1: $2 / $3 = $ratio (target: at most $4, $verdict)"
}
check "1 pass" tornivo-1 shred-1 0.50
check "3 passes" tornivo-3 shred-3 0.50
check "1 pass, against the disk" tornivo-1 dd-1 1.60
