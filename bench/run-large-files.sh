#!/usr/bin/env bash
# Times LargeFileScanner::scan against `find ROOTS -type f -size +500M -atime +90` on the
# many-files tree, with a few real files of 600 MiB and more among them, and checks that both
# find the same files.
#
#   bench/run-large-files.sh BUILD_DIR [--runs N]
#
# ROOTS are four folders of the tree (Downloads, Documents, Desktop, Videos) and, as the fifth
# personal folder, a folder beside it that holds the big files (allocated with fallocate: real
# blocks, nothing written, so making them is cheap and the tree stays as generated). Each round
# runs every command once, in an order that rotates from round to round; medians are compared.
# Works as root and as a user (caches are warmed, never dropped).
set -euo pipefail
export LC_ALL=C  # also keeps a dot in $EPOCHREALTIME

usage() {
  echo "usage: $0 BUILD_DIR [--runs N]" >&2
  exit 2
}
[[ $# -ge 1 ]] || usage
build_dir=$1
shift
runs=${TORNIVO_BENCH_RUNS:-7}
while [[ $# -gt 0 ]]; do
  [[ $# -ge 2 ]] || usage
  case $1 in
    --runs) runs=$2 ;;
    *) usage ;;
  esac
  shift 2
done
[[ $runs =~ ^[0-9]+$ ]] && ((runs > 0)) || usage

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-large-files
for exe in "$make_tree" "$ours"; do
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

# The big files: beside the tree, on the same file system, gone at the end.
work=$(mktemp -d "$bench_dir/large-files.XXXXXX")
trap 'rm -rf "$work"' EXIT
big=$work/Music
mkdir -p "$big/deep/er"
long_ago=$(date -d '2 years ago' '+%Y-%m-%d %H:%M')
made_big=yes
for entry in old-600.iso:600 deep/er/old-700.mkv:700 opened-today.iso:650 old-small.mkv:10; do
  file=$big/${entry%%:*}
  if ! fallocate -l "${entry##*:}MiB" "$file" 2>/dev/null; then
    made_big=no
    rm -f "$file"
    continue
  fi
  touch -d "$long_ago" "$file"
done
[[ -e $big/opened-today.iso ]] && touch -a "$big/opened-today.iso"
if [[ $made_big == no ]]; then
  echo "fallocate does not work on $(df --output=fstype "$work" | tail -n 1) here: no big files."
fi
roots=("$tree/Downloads" "$tree/Documents" "$tree/Desktop" "$tree/Videos" "$big")

# --- the commands ------------------------------------------------------------------------------
names=(tornivo find find-pruned)
declare -A command
command[tornivo]="$(printf '%q ' "$ours" "${roots[@]}" --runs 1 --list)"
command[find]="$(printf '%q ' find "${roots[@]}" -type f -size +500M -atime +90)"
# find doing what we do: hidden entries skipped (an extra column, not the target).
command[find-pruned]="$(printf '%q ' find "${roots[@]}" -name '.*' -prune -o -type f \
  -size +500M -atime +90 -print)"
# The command line, when built, with its defaults (500 MiB, 3 months) on a home whose personal
# folders are links to the same roots (a personal folder that is a link is followed).
cli=$build_dir/src/cli/tornivo-cli
if [[ -x $cli ]]; then
  cli_home=$work/cli-home
  mkdir -p "$cli_home"
  for folder in Downloads Documents Desktop Videos; do ln -s "$tree/$folder" "$cli_home/$folder"; done
  ln -s "$big" "$cli_home/Music"
  names+=(cli)
  command[cli]="$(printf '%q ' env -u XDG_CONFIG_HOME HOME="$cli_home" "$cli" --json large)"
fi

run_timed() {  # prints the wall time of tool $1 in microseconds; its output goes to $work/$1.out
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
for tool in "${names[@]}" "${names[@]}"; do run_timed "$tool" >/dev/null; done

declare -A times
inside=()
echo "Timing ${#names[@]} commands, $runs rounds, load average $(cut -d' ' -f1-3 /proc/loadavg)..."
for ((round = 0; round < runs; round++)); do
  for ((k = 0; k < ${#names[@]}; k++)); do
    tool=${names[(round + k) % ${#names[@]}]}
    times[$tool]+="$(run_timed "$tool") "
    if [[ $tool == tornivo ]]; then
      inside+=("$(sed -n 's/.*median_wall_seconds=\([^ ]*\).*/\1/p' "$work/tornivo.out")")
    fi
  done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.3f", us / 1e6 }'; }

# --- report ------------------------------------------------------------------------------------
find_median=$(median <<<"${times[find]}")
echo
echo "large-file scan benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores," \
  "$(df --output=fstype "$tree" | tail -n 1) on Linux $(uname -r), as $(id -un)," \
  "load average now $(cut -d' ' -f1-3 /proc/loadavg)"
echo "roots: $tree/{Downloads,Documents,Desktop,Videos} and $big"
echo "  $(find "${roots[@]}" | wc -l) entries"
echo
printf '%-12s %9s %9s  %s\n' command median_s vs_find command
for tool in "${names[@]}"; do
  m=$(median <<<"${times[$tool]}")
  printf '%-12s %9s %9s  %s\n' "$tool" "$(seconds "$m")" \
    "$(awk -v a="$m" -v b="$find_median" 'BEGIN { printf "%.2f", a / b }')" \
    "$(sed "s|$work|WORK|g; s|$tree|TREE|g" <<<"${command[$tool]}")"
done
echo "Medians of $runs alternating runs each, whole processes. Inside the process the scan" \
  "took a median of $(printf '%s ' "${inside[@]}" | median) s."
ratio=$(awk -v a="$(median <<<"${times[tornivo]}")" -v b="$find_median" \
  'BEGIN { printf "%.2f", a / b }')
if awk -v r="$ratio" 'BEGIN { exit !(r <= 0.7) }'; then verdict=met; else verdict="NOT met"; fi
echo "tornivo / find = $ratio (target: at most 0.70, $verdict)"

# The same files: find's +500M means more than 500 MiB rounded up, +90 more than 90 whole days;
# none of the files here lies near either edge, so both lists must agree.
grep '^/' "$work/tornivo.out" | sort >"$work/ours.list"
sort "$work/find.out" >"$work/find.list"
echo
if cmp -s "$work/ours.list" "$work/find.list"; then
  echo "Both found the same $(wc -l <"$work/ours.list") files:"
  sed "s|$work|WORK|; s/^/  /" "$work/ours.list"
else
  echo "$0: the scan and find disagree:" >&2
  diff "$work/ours.list" "$work/find.list" >&2 || true
  exit 1
fi
if [[ -n ${command[cli]:-} ]]; then
  cli_found=$(grep -c '"url":' "$work/cli.out" || true)
  if [[ $cli_found != "$(wc -l <"$work/ours.list")" ]]; then
    echo "$0: tornivo-cli large found $cli_found files" >&2
    exit 1
  fi
  echo "tornivo-cli large found the same number."
fi
