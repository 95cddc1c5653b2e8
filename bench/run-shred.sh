#!/usr/bin/env bash
# Times erasing one 1 GiB file the way the shred section empties the Trash (tornivo-bench-shred,
# 1 and 3 passes) against `shred -n 1 -u` and `shred -n 3 -u`, and against overwriting the same
# file in place from /dev/zero with `dd bs=1M conv=notrunc,fdatasync`, the disk's own limit, and
# against that dd followed by `rm`: removing a file costs what the file system takes to free its
# blocks (on a file system mounted with `discard`, most of a second per GiB), which every tool
# that removes the file pays and the in-place dd does not. Ours also reports the time until its
# last pass was flushed, before anything was freed, to set beside the in-place dd.
#
#   bench/run-shred.sh BUILD_DIR [--runs N] [--size MIB]
#
# Everything happens in a scratch folder under ${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}, so
# all tools write the same disk. Every run gets a fresh file written in full from /dev/zero and
# flushed (untimed: real blocks, no holes, no dirty pages left); each round runs every tool once,
# in an order that rotates from round to round, and medians are compared. Works as root and as
# a user (nothing is dropped from the caches).
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

usage_text="BUILD_DIR [--runs N] [--size MIB]"
runs=${TORNIVO_BENCH_RUNS:-5}
size_mib=1024
set_option() {
  case $1 in
    --runs) runs=$2 ;;
    --size) size_mib=$2 ;;
    *) return 1 ;;
  esac
}
read_arguments set_option "$@"
require_counts "$runs" "$size_mib"

ours=$build_dir/bench/tornivo-bench-shred
require_built "$ours"
require_peer shred coreutils

mkdir -p "$bench_dir"
make_work_dir "$bench_dir/shred.XXXXXX"
avail_mib=$(($(df --output=avail -k "$work" | tail -n 1) / 1024))
((avail_mib > 2 * size_mib)) || { echo "$0: needs $((2 * size_mib)) MiB free in $work" >&2; exit 1; }

file=$work/victim.bin
prepare() {  # a fresh file of the size, every block written, on the disk
  rm -f "$file"
  dd if=/dev/zero of="$file" bs=1M count="$size_mib" conv=fsync status=none
  sync -f "$work"
}

names=(tornivo-1 shred-1 dd-1 ddrm-1 tornivo-3 shred-3)
f=$(printf '%q' "$file")
command[tornivo-1]="$(printf '%q' "$ours") $f --passes 1"
command[tornivo-3]="$(printf '%q' "$ours") $f --passes 3"
command[shred-1]="shred -n 1 -u $f"
command[shred-3]="shred -n 3 -u $f"
command[dd-1]="dd if=/dev/zero of=$f bs=1M count=$size_mib conv=notrunc,fdatasync status=none"
command[ddrm-1]="${command[dd-1]} && rm -f $f"

# After each run of tool $1: ours and shred must have removed the file, dd kept its size.
check_erased() {
  if [[ $1 == dd-* ]]; then
    [[ $(stat -c %s "$file") == $((size_mib * 1048576)) ]] || { echo "$0: dd changed the size" >&2; exit 1; }
  elif [[ -e $file ]]; then
    echo "$0: $1 left the file behind" >&2
    exit 1
  fi
  rm -f "$file"
  # Ours reports the time its overwrite took, until the last pass was flushed.
  [[ $1 == tornivo-1 ]] && overwrite+=("$(field overwrite_seconds "$(head -n 1 "$work/$1.out")")")
  return 0
}
overwrite=()

echo "Warming up..."
for tool in "${names[@]}"; do
  prepare
  run_timed "$tool" >/dev/null
  check_erased "$tool"
done

overwrite=()
echo "Timing ${#names[@]} commands, $runs rounds of a $size_mib MiB file," \
  "load average $(load_average)..."
rounds "$runs" "" prepare check_erased

declare -A med
for tool in "${names[@]}"; do med[$tool]=$(median_of "$tool"); done

echo
echo "Shred benchmark, $(machine "$work")," \
  "$(shred --version | head -n 1), load average now $(load_average)"
printf '%-10s %9s   %s\n' command median_s "all runs (s)"
for tool in "${names[@]}"; do
  all=$(for t in ${times[$tool]}; do seconds "$t"; printf ' '; done)
  printf '%-10s %9s   %s\n' "$tool" "$(seconds "${med[$tool]}")" "$all"
done
echo "Medians of $runs rotating rounds, whole processes."

check() {  # name, ours, peer, target
  say_target "$1: $2 / $3" "${med[$2]}" "${med[$3]}" "$4"
}
check "1 pass" tornivo-1 shred-1 0.50
check "3 passes" tornivo-3 shred-3 0.50
check "1 pass, against the disk (dd, then rm)" tornivo-1 ddrm-1 1.20
overwrite_s=$(median_seconds "${overwrite[@]}")
echo "1 pass, the overwrite alone (flushed, nothing freed yet): median ${overwrite_s} s;" \
  "against the in-place dd = $(ratio "$overwrite_s" "$(seconds "${med[dd-1]}")")" \
  "(target: at most 1.20, $(verdict "$(ratio "$overwrite_s" "$(seconds "${med[dd-1]}")")" 1.20))"
echo "1 pass, whole process against the in-place dd, which frees nothing:" \
  "$(ratio "${med[tornivo-1]}" "${med[dd-1]}")"
