#!/usr/bin/env bash
# What the tray panel costs, measured on the end-to-end test's virtual desktop (Xvfb, openbox,
# tint2's tray, a session bus, a scratch home):
#
#   1. processor time over SECONDS with the panel closed (after one opening, so that the monitor
#      samples every 2 s as it does for the rest of the run);
#   2. the same with the panel open on the clean section (the gauges move every 2 s);
#   3. resident memory after opening every section once (the nine tabs and settings);
#   4. the time from a tray activation to the panel's first frame, as the application reports it
#      (tornivo.panel debug logging), over OPENINGS openings after the first.
#
#   bench/run-panel.sh BUILD_DIR [--seconds N] [--openings N]
#
# Targets: closed at most 0.2 % of a core, open at most 2 %, memory at most 150 MB, opening at
# most 100 ms. Processor shares are of one core, from /proc/PID/stat; the X server's share is
# printed beside ours (it receives what the panel draws).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../tests/e2e/desktop.sh"

usage() {
  echo "usage: $0 BUILD_DIR [--seconds N] [--openings N]" >&2
  exit 2
}
fail() {
  echo "$0: $*" >&2
  exit 1
}

inside=no
if [[ ${1:-} == --inside ]]; then
  inside=yes
  shift
fi
[[ $# -ge 1 ]] || usage
build_dir=$(realpath "$1")
shift
seconds=60 openings=20
while [[ $# -gt 0 ]]; do
  [[ $# -ge 2 && $2 =~ ^[1-9][0-9]*$ ]] || usage
  case $1 in
    --seconds) seconds=$2 ;;
    --openings) openings=$2 ;;
    *) usage ;;
  esac
  shift 2
done
tornivo=$build_dir/src/app/tornivo
[[ -x $tornivo ]] || fail "$tornivo is missing: build the tornivo target first"

if [[ $inside == no ]]; then
  exec dbus-run-session -- "$0" --inside "$build_dir" --seconds "$seconds" --openings "$openings"
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-bench-panel.XXXXXX")
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }  # PID: user + system ticks
# The shares of one core, in per cent, that Tornivo and the X server used over SECONDS.
cpu_shares() {  # SECONDS
  local ours_before x_before ours_after x_after
  ours_before=$(cpu_ticks "$tornivo_pid")
  x_before=$(cpu_ticks "${pids[0]}")
  sleep "$1"
  ours_after=$(cpu_ticks "$tornivo_pid")
  x_after=$(cpu_ticks "${pids[0]}")
  awk -v a=$((ours_after - ours_before)) -v b=$((x_after - x_before)) -v hz="$ticks_per_second" \
    -v s="$1" 'BEGIN { printf "%.2f %.2f", a / hz / s * 100, b / hz / s * 100 }'
}
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { exit !(v <= t) }' && echo met || echo "NOT met"; }

open_panel() {
  local icon
  read -r -a icon <<<"$(tray_icon_at)"
  xdotool mousemove "${icon[0]}" "${icon[1]}" click 1
  wait_for 5 panel_shown || fail "the panel did not open"
}
close_panel() {
  xdotool key Escape
  wait_for 5 panel_hidden || fail "the panel did not close"
}

echo "Panel benchmark: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average $(cut -d ' ' -f 1-3 /proc/loadavg)"
make_home
start_display
start_tray
start_tornivo
wait_for 10 tray_icon_shown || fail "no icon in the tray"
echo "Scene graph backend: ${QT_QUICK_BACKEND:-software (the default)}"

open_panel
sleep 1
close_panel
sleep 5
read -r closed x_closed <<<"$(cpu_shares "$seconds")"
echo "closed, ${seconds} s: ${closed} % of a core (target at most 0.2 %: $(verdict "$closed" 0.2)); X server ${x_closed} %"

open_panel
sleep 3
read -r opened x_opened <<<"$(cpu_shares "$seconds")"
echo "open, ${seconds} s:   ${opened} % of a core (target at most 2 %: $(verdict "$opened" 2)); X server ${x_opened} %"

for i in $(seq 0 8); do
  click_panel "$(awk -v x0="$TAB_X0" -v w="$TAB_WIDTH" -v i="$i" 'BEGIN { printf "%d", x0 + i * w }')" "$TAB_Y"
  sleep 0.5
done
click_panel "${GEAR[@]}"
sleep 0.5
click_panel "$TAB_X0" "$TAB_Y"
sleep 1
rss_kib=$(awk '/^VmRSS/ {print $2}' "/proc/$tornivo_pid/status")
rss_mb=$(awk -v k="$rss_kib" 'BEGIN { printf "%.1f", k * 1024 / 1e6 }')
echo "resident memory after every section: ${rss_mb} MB (${rss_kib} KiB; target at most 150 MB: $(verdict "$rss_mb" 150))"

close_panel
for _ in $(seq 0 "$openings"); do
  sleep 0.4
  open_panel
  sleep 0.4
  close_panel
done
drawn=$(sed -n 's/.*panel drawn \([0-9.]*\) ms.*/\1/p' "$scratch/tornivo.log" | tail -n "$openings")
median=$(sort -g <<<"$drawn" | awk '{v[NR] = $1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
range=$(sort -g <<<"$drawn" | sed -n '1p;$p' | paste -sd '-')
echo "activation to first frame, median of ${openings} openings after the first: ${median} ms (range ${range} ms; target at most 100 ms: $(verdict "$median" 100))"
echo "load average after: $(cut -d ' ' -f 1-3 /proc/loadavg)"
