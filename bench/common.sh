# shellcheck shell=bash disable=SC2034,SC2154  # globals set and read by the sourcing scripts
# What the bench/run-*.sh scripts share; each sources it after `set -euo pipefail`:
#
#   . "$(dirname "$0")/common.sh"
#
# The functions work on globals the scripts set: build_dir, make_tree (the tree generator), work
# (the scratch folder), names (the tools, ours first), command (each tool's shell command line,
# by name) and usage_text (what follows the script's name in its usage line). They fill times
# (each tool's run times in microseconds, each followed by a space), rss (peak memory in KiB)
# and, for the generated trees, made and partial.

export LC_ALL=C  # also keeps a dot in $EPOCHREALTIME

bench_dir=${TORNIVO_BENCH_DIR:-/var/tmp/tornivo-bench}
declare -A command times rss

# --- the command line -------------------------------------------------------------------------

usage() {
  echo "usage: $0 $usage_text" >&2
  exit 2
}

# Reads BUILD_DIR into build_dir, then OPTION VALUE pairs: `SETTER OPTION VALUE` stores each one
# and fails for an option it does not know.
read_arguments() {  # SETTER BUILD_DIR [OPTION VALUE]...
  local setter=$1
  shift
  [[ $# -ge 1 ]] || usage
  build_dir=$1
  shift
  while [[ $# -gt 0 ]]; do
    if [[ $# -lt 2 ]] || ! $setter "$1" "$2"; then usage; fi
    shift 2
  done
}

# The command line of the scripts that time on a tree of their own making, of MODE:
# BUILD_DIR [--runs N] [--files N] [--folders M]. Sets build_dir, runs, files and folders.
read_tree_arguments() {  # MODE BUILD_DIR [OPTION VALUE]...
  usage_text="BUILD_DIR [--runs N] [--files N] [--folders M]"
  runs=${TORNIVO_BENCH_RUNS:-7}
  read -r files folders <<<"$(default_tree_size "$1")"
  shift
  read_arguments set_tree_option "$@"
  require_whole_numbers "$files" "$folders"
  require_counts "$runs"
}
set_tree_option() {  # OPTION VALUE
  case $1 in
    --runs) runs=$2 ;;
    --files) files=$2 ;;
    --folders) folders=$2 ;;
    *) return 1 ;;
  esac
}

# Stops with the usage line unless every argument is a whole number.
require_whole_numbers() {
  local n
  for n; do [[ $n =~ ^[0-9]+$ ]] || usage; done
}

# Stops with the usage line unless every argument is a whole number above zero.
require_counts() {
  local n
  for n; do [[ $n =~ ^[0-9]+$ ]] && ((n > 0)) || usage; done
}

# Stops unless every program named is built.
require_built() {
  local exe
  for exe; do
    [[ -x $exe ]] || { echo "$0: $exe is missing: build the bench-tools target first" >&2; exit 1; }
  done
}

require_peer() {  # COMMAND WHERE_FROM: stops unless the peer COMMAND is installed
  command -v "$1" >/dev/null || { echo "$0: $1 is missing ($2)" >&2; exit 1; }
}

# --- scratch space ----------------------------------------------------------------------------

# Makes the scratch folder $work from the mktemp TEMPLATE. It goes when the script exits, and so
# does a tree left half-made ($partial).
partial=
make_work_dir() {  # TEMPLATE
  work=$(mktemp -d "$1")
  trap remove_scratch EXIT
}
remove_scratch() {
  rm -rf "$work"
  if [[ -n $partial ]]; then rm -rf "$partial"; fi
}

# --- the generated trees ----------------------------------------------------------------------
# A tree lies in $bench_dir with a marker beside it (TREE.marker, so that it is not part of what
# is measured): the first line says how the tree was made, the second is the generator's
# summary of it. A tree is reused while its marker's first line is what would make it now.

tree_recipe() {  # MODE FILES FOLDERS
  echo "$("$make_tree" --version) $1 --files $2 --folders $3 --seed 1"
}

tree_is_current() {  # TREE RECIPE
  [[ -d $1 && -f $1.marker && "$(head -n 1 "$1.marker")" == "$2" ]]
}

tree_summary() {  # TREE
  sed -n 2p "$1.marker"
}

# The size of MODE's tree when --files and --folders do not say: FILES FOLDERS.
default_tree_size() {  # MODE
  case $1 in
    many-files) echo "1000000 100000" ;;
    duplicates) echo "400 40" ;;
  esac
}

# Makes (or reuses) the tree of MODE with FILES files in FOLDERS folders; sets made to its path:
# $bench_dir/MODE for the mode's default size, $bench_dir/MODE-FILES-FOLDERS for another.
# Says what it does; with --quiet only that it generates a tree.
ensure_tree() {  # MODE FILES FOLDERS [--quiet]
  local mode=$1 files=$2 folders=$3 quiet=${4:-} tree want summary what=entries
  [[ $mode == many-files ]] || what=files  # as tornivo-make-tree counts them
  tree=$bench_dir/$mode
  if [[ "$files $folders" != "$(default_tree_size "$mode")" ]]; then
    tree=$bench_dir/$mode-$files-$folders
  fi
  want=$(tree_recipe "$mode" "$files" "$folders")
  made=$tree
  if tree_is_current "$tree" "$want"; then
    if [[ -z $quiet ]]; then echo "Reusing $tree."; fi
    return 0
  fi
  if [[ ! -d $bench_dir ]]; then
    mkdir -p "$bench_dir"
    chmod 1777 "$bench_dir"  # like /var/tmp: every user can add trees, and only remove their own
  fi
  if [[ -e $tree || -e $tree.marker ]]; then
    if [[ -z $quiet ]]; then
      echo "$tree was made by another generator or with other options: replacing it."
    fi
    if [[ $(id -u) -ne 0 && -e $tree && ! -O $tree ]] || ! rm -rf "$tree" "$tree.marker"; then
      echo "$0: cannot replace $tree (another user's?); set TORNIVO_BENCH_DIR elsewhere" >&2
      exit 1
    fi
  fi
  partial=$tree.partial.$$
  echo "Generating $tree ($files $what in $folders folders)..."
  summary=$("$make_tree" "$mode" "$partial" --files "$files" --folders "$folders" \
    --seed 1 --jobs "$(nproc)")
  mv "$partial" "$tree"
  partial=
  sync  # written back now rather than during the timed runs
  printf '%s\n%s\n' "$want" "$summary" >"$tree.marker"
  if [[ -z $quiet ]]; then echo "  $summary"; fi
}

# Sets tree to the default many-files tree, having run-directory-size.sh make it (and check it)
# first when it is missing or out of date.
use_default_many_files_tree() {
  local size
  read -r -a size <<<"$(default_tree_size many-files)"
  tree=$bench_dir/many-files
  if ! tree_is_current "$tree" "$(tree_recipe many-files "${size[@]}")"; then
    echo "$tree is missing or out of date: making it with run-directory-size.sh first."
    "$(dirname "$0")/run-directory-size.sh" "$build_dir" --runs 1 >/dev/null
  fi
}

# The value of KEY in a line of key=value pairs.
field() {  # KEY LINE
  sed -n "s/.*\b$1=\([^ ]*\).*/\1/p" <<<"$2"
}

# --- timing -----------------------------------------------------------------------------------

# Runs tool TOOL once, as ${command[TOOL]}, its output in $work/TOOL.out and its errors in
# $work/TOOL.err; stops the script when it fails. Prints its wall time in microseconds.
run_timed() {  # TOOL
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

# N rounds, each running every tool once, in an order that rotates from round to round so that
# a noisy moment hurts all tools alike. Each run's time goes to times[PREFIX TOOL];
# BEFORE TOOL runs before each run and AFTER TOOL after it (`:` for nothing).
rounds() {  # N PREFIX BEFORE AFTER
  local n=$1 prefix=$2 before=$3 after=$4 round k tool
  for ((round = 0; round < n; round++)); do
    for ((k = 0; k < ${#names[@]}; k++)); do
      tool=${names[(round + k) % ${#names[@]}]}
      $before "$tool"
      times[$prefix$tool]+="$(run_timed "$tool") "
      $after "$tool"
    done
  done
}

# After a run of ours (the tool named tornivo), adds the time its first line gives for the
# measured call alone, inside the process, to ours_inside.
ours_inside=()
note_time_inside() {  # TOOL
  if [[ $1 == tornivo ]]; then
    ours_inside+=("$(field wall_seconds "$(head -n 1 "$work/tornivo.out")")")
  fi
}

# The peak memory in KiB of one run of COMMAND (GNU time), or "?".
peak_rss() {  # COMMAND
  eval "/usr/bin/time -f %M -o $work/rss $1" </dev/null >/dev/null 2>&1 && cat "$work/rss" ||
    echo "?"
}

# Fills rss with the peak memory of one more run of each tool, when GNU time is there.
measure_peak_memory() {
  local tool
  [[ -x /usr/bin/time ]] || return 0
  for tool in "${names[@]}"; do rss[$tool]=$(peak_rss "${command[$tool]}"); done
}

# --- figures ----------------------------------------------------------------------------------

# The median and the minimum of numbers on standard input, separated by spaces or lines.
median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minimum() { tr ' ' '\n' | grep . | sort -g | head -n 1; }
median_of() { median <<<"${times[$1]}"; }  # KEY of times
minimum_of() { minimum <<<"${times[$1]}"; }  # KEY of times

seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1e6 }'; }  # MICROSECONDS
# The median of VALUES (seconds), to the millisecond.
median_seconds() { seconds "$(printf '%s ' "$@" | median | awk '{ print $1 * 1e6 }')"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }  # A B: A / B
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { exit !(r <= t) }' && echo met || echo "NOT met"; }

# Prints "LABEL = A / B (target: at most TARGET, met)", or "NOT met".
say_target() {  # LABEL A B TARGET
  local r
  r=$(ratio "$2" "$3")
  echo "$1 = $r (target: at most $4, $(verdict "$r" "$4"))"
}

load_average() { cut -d ' ' -f 1-3 /proc/loadavg; }

# When, where and as whom: "DATE, N cores, FS on Linux VERSION, as USER", FS being the file
# system that holds FOLDER.
machine() {  # FOLDER
  echo "$(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
    "$(df --output=fstype "$1" | tail -n 1) on Linux $(uname -r), as $(id -un)"
}

# Each tool's median and minimum of times[PREFIX TOOL], its ratios to the medians of tools A and
# B, and its command with the tree written TREE. FORMAT is the printf format of a line, FIRST
# the heading of the first column.
ratio_table() {  # FORMAT FIRST PREFIX A B
  local format=$1 prefix=$3 a=$4 b=$5 a_m b_m tool m
  a_m=$(median_of "$prefix$a")
  b_m=$(median_of "$prefix$b")
  # shellcheck disable=SC2059  # the format is the caller's
  printf "$format" "$2" median_s min_s "vs_$a" "vs_$b" command
  for tool in "${names[@]}"; do
    m=$(median_of "$prefix$tool")
    # shellcheck disable=SC2059
    printf "$format" "$tool" "$(seconds "$m")" "$(seconds "$(minimum_of "$prefix$tool")")" \
      "$(ratio "$m" "$a_m")" "$(ratio "$m" "$b_m")" "${command[$tool]//"$tree"/TREE}"
  done
}

# Each tool's median and minimum, its ratio to BASELINE's median, its peak memory (rss) and its
# command, with the tree written TREE.
tool_table() {  # BASELINE
  local baseline tool m
  baseline=$(median_of "$1")
  printf '%-8s %9s %9s %9s %11s  %s\n' tool median_s min_s "vs_$1" max_rss_kib command
  for tool in "${names[@]}"; do
    m=$(median_of "$tool")
    printf '%-8s %9s %9s %9s %11s  %s\n' "$tool" "$(seconds "$m")" \
      "$(seconds "$(minimum_of "$tool")")" "$(ratio "$m" "$baseline")" \
      "${rss[$tool]:-?}" "${command[$tool]//"$tree"/TREE}"
  done
}

# Keeps every run's time in BUILD_DIR/bench/NAME-runs.tsv, when that folder can be written: a
# heading, then one line for each KEY of times, in the order given.
save_run_times() {  # NAME FIRST_HEADING KEY...
  local file=$build_dir/bench/$1-runs.tsv heading=$2 key
  shift 2
  [[ -w $build_dir/bench ]] || return 0
  {
    printf '%s\tround_times_us\n' "$heading"
    for key; do printf '%s\t%s\n' "$key" "${times[$key]}"; done
  } >"$file"
  echo "Every run's time: $file"
}
