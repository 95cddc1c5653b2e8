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
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

usage_text="BUILD_DIR [--runs N]"
runs=${TORNIVO_BENCH_RUNS:-7}
set_option() {
  case $1 in
    --runs) runs=$2 ;;
    *) return 1 ;;
  esac
}
read_arguments set_option "$@"
require_counts "$runs"

make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-large-files
require_built "$make_tree" "$ours"

# --- the tree (the same one, and the same marker, as run-directory-size.sh) -------------------
use_default_many_files_tree

# The big files: beside the tree, on the same file system, gone at the end.
make_work_dir "$bench_dir/large-files.XXXXXX"
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

echo "Warming the caches..."
for tool in "${names[@]}" "${names[@]}"; do run_timed "$tool" >/dev/null; done

echo "Timing ${#names[@]} commands, $runs rounds, load average $(load_average)..."
rounds "$runs" "" : note_time_inside

# --- report ------------------------------------------------------------------------------------
find_median=$(median_of find)
echo
echo "large-file scan benchmark, $(machine "$tree"), load average now $(load_average)"
echo "roots: $tree/{Downloads,Documents,Desktop,Videos} and $big"
echo "  $(find "${roots[@]}" | wc -l) entries"
echo
printf '%-12s %9s %9s  %s\n' command median_s vs_find command
for tool in "${names[@]}"; do
  m=$(median_of "$tool")
  printf '%-12s %9s %9s  %s\n' "$tool" "$(seconds "$m")" "$(ratio "$m" "$find_median")" \
    "$(sed "s|$work|WORK|g; s|$tree|TREE|g" <<<"${command[$tool]}")"
done
echo "Medians of $runs alternating runs each, whole processes. Inside the process the scan" \
  "took a median of $(printf '%s ' "${ours_inside[@]}" | median) s."
say_target "tornivo / find" "$(median_of tornivo)" "$find_median" 0.70

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
