#!/usr/bin/env bash
# How the section screens hold up on a big home (bench/screens.cpp, offscreen): the X-Ray screen
# while it walks the generated tree of about a million files (the longest gap between ticks of a
# 5 ms timer on the main thread and between frames; resident memory idle and after the walk),
# then how many rows and pictures the X-Ray detail list and the duplicates list make against the
# rows they list.
#
#   bench/run-screens.sh BUILD_DIR
#
# Targets: no gap above 50 ms; memory after the walk within 50 MB of the idle figure; the lists
# make the pictures of the rows in sight only. The trees are shared with run-xray.sh and
# run-duplicates.sh and stay as they are: the settings, caches and Trash of the runs live in a
# scratch folder beside them.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR source=common.sh
. "$(dirname "$0")/common.sh"

usage_text="BUILD_DIR"
[[ $# -eq 1 ]] || usage
build_dir=$1
make_tree=$build_dir/bench/tornivo-make-tree
ours=$build_dir/bench/tornivo-bench-screens
require_built "$make_tree" "$ours"

make_work_dir "${TMPDIR:-/tmp}/tornivo-bench-screens.XXXXXX"
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data \
  XDG_STATE_HOME=$work/state
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME"

ensure_tree many-files 1000000 100000 --quiet
big=$made
ensure_tree duplicates 400 40 --quiet
dups=$made

echo "Screens benchmark: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "--- X-Ray screen on $(tree_summary "$big")"
"$ours" xray "$big"
echo "--- long lists"
"$ours" lists "$dups"
