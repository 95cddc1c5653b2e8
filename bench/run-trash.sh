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
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

usage_text="BUILD_DIR [--runs N] [--files N]"
runs=${TORNIVO_BENCH_RUNS:-7}
count=10000
set_option() {
  case $1 in
    --runs) runs=$2 ;;
    --files) count=$2 ;;
    *) return 1 ;;
  esac
}
read_arguments set_option "$@"
require_counts "$runs" "$count"

ours=$build_dir/bench/tornivo-bench-trash
require_built "$ours"
require_peer trash-put trash-cli

mkdir -p "$bench_dir"
make_work_dir "$bench_dir/trash.XXXXXX"

names=(tornivo trash-put)
command_of() {  # the command of tool $1 for the current run
  case $1 in
    tornivo) printf '%q ' "$ours" "$folder" ;;
    trash-put) echo "trash-put -- $(printf '%q' "$folder")/*" ;;
  esac
}

# Before each run of tool $1: a new folder with the files, small and distinct, and an empty
# Trash beside it, which the tool's command is to use.
prepare() {
  run_dir=$(mktemp -d "$work/run.XXXXXX")
  folder=$run_dir/selected
  mkdir -p "$folder" "$run_dir/data"
  local i
  for ((i = 0; i < count; i++)); do printf 'file %d\n' "$i" >"$folder/report-$i.txt"; done
  sync -f "$run_dir"  # written back now rather than during the timed run
  command[$1]="XDG_DATA_HOME=$(printf '%q' "$run_dir/data") $(command_of "$1")"
}

# After each run of tool $1: the folder must be empty and the Trash must hold every file, with a
# restore record each.
check_trashed() {
  local trash=$run_dir/data/Trash left moved infos
  left=$(find "$folder" -mindepth 1 | wc -l)
  moved=$(find "$trash/files" -mindepth 1 -maxdepth 1 | wc -l)
  infos=$(find "$trash/info" -mindepth 1 -maxdepth 1 -name '*.trashinfo' | wc -l)
  if ((left != 0 || moved != count || infos != count)); then
    echo "$0: $1 left $left files, moved $moved, wrote $infos restore records" >&2
    exit 1
  fi
}

echo "Warming up..."
for tool in "${names[@]}"; do
  prepare "$tool"
  run_timed "$tool" >/dev/null
  check_trashed "$tool"
done

echo "Timing ${#names[@]} tools, $runs rounds of $count files," \
  "load average $(load_average)..."
check_and_note() {  # TOOL
  check_trashed "$1"
  note_time_inside "$1"
}
rounds "$runs" "" prepare check_and_note

peer_median=$(median_of trash-put)
echo
echo "Trash benchmark, $(machine "$work")," \
  "trash-put $(trash-put --version 2>/dev/null | head -n 1 | awk '{ print $NF }')," \
  "load average now $(load_average)"
printf '%-10s %9s %12s\n' tool median_s vs_trash-put
for tool in "${names[@]}"; do
  m=$(median_of "$tool")
  printf '%-10s %9s %12s\n' "$tool" "$(seconds "$m")" "$(ratio "$m" "$peer_median")"
done
echo "Medians of $runs alternating runs each, whole processes, $count files each. Inside the" \
  "process the removal took a median of $(printf '%s ' "${ours_inside[@]}" | median) s."
say_target "tornivo / trash-put" "$(median_of tornivo)" "$peer_median" 0.50
