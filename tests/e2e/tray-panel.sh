#!/usr/bin/env bash
# Tornivo as a person uses it, on a virtual screen (Xvfb) with a window manager (openbox), on a
# scratch home made here (never the real one):
#
#   with a tray (tint2's XEmbed tray, on a session bus): click the icon and see the panel; scan
#   and see the two rows; clean and see the cleaned state with the planted junk gone; Escape
#   closes the panel; a second start ends with status 0 and the first shows its panel; Quit ends
#   the application;
#   without a tray (and without a session bus, so the single-instance socket is used): after
#   the wait the panel opens as a window; a second start ends with status 0 and shows it again;
#   a tray that starts later takes over and the window gives way to the icon.
#
#   tests/e2e/tray-panel.sh TORNIVO [SCREENSHOT_FOLDER]
#
# Exits 77 (CTest's skip) with the reason when a tool it needs is missing. Every step leaves a
# screenshot in SCREENSHOT_FOLDER (default: a folder beside the scratch home, kept on failure).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/desktop.sh"
if [[ ${1:-} == --inside ]]; then
  inside=$2
  shift 2
fi
tornivo=$(realpath "$1")
shots=${2:-}

# Where the clean screen's parts are, from the panel's top-left corner (see desktop.sh).
readonly ORB=(190 376) CLEAN=(40 526) ROW_TILE=(34 337) MARK=(190 312)
readonly ACCENT_BLUE="51,122,255"  # the default accent, as the clean button is filled with it

fail() {
  echo "FAIL: $*" >&2
  shot failure
  sed 's/^/  tornivo: /' "$scratch/tornivo.log" >&2
  keep=yes
  echo "kept: $scratch" >&2
  exit 1
}

step=0
shot() {
  step=$((step + 1))
  import -window root "$shots/$(printf '%s-%02d' "$inside" "$step")-$1.png" 2>/dev/null || true
}

# --- looking ------------------------------------------------------------------------------------

# The colour of the screen at X Y as "R,G,B".
pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
# Whether the pixel at the panel's OFFSET_X OFFSET_Y is within 40 of R,G,B in every channel.
panel_pixel_near() {  # OFFSET_X OFFSET_Y R,G,B
  local at want got
  read -r -a at <<<"$(panel_at)"
  [[ ${#at[@]} -eq 2 ]] || return 1
  IFS=, read -r -a want <<<"$3"
  IFS=, read -r -a got <<<"$(pixel $((at[0] + $1)) $((at[1] + $2)))"
  [[ ${#got[@]} -eq 3 ]] || return 1
  for i in 0 1 2; do
    local d=$((got[i] - want[i]))
    ((d < 0)) && d=$((-d))
    ((d <= 40)) || return 1
  done
}
# Whether the pixel at the panel's OFFSET_X OFFSET_Y is green (the cleaned state's mark).
panel_pixel_green() {
  local at got
  read -r -a at <<<"$(panel_at)"
  IFS=, read -r -a got <<<"$(pixel $((at[0] + $1)) $((at[1] + $2)))"
  [[ ${#got[@]} -eq 3 ]] && ((got[1] > 130 && got[0] < 110 && got[2] < 130))
}

# --- the scenarios ------------------------------------------------------------------------------

with_tray() {
  start_display
  start_tray
  start_tornivo
  wait_for 10 tray_icon_shown || fail "no icon in the tray"
  panel_hidden || fail "the panel opened by itself"
  shot tray
  read -r -a icon <<<"$(tray_icon_at)"
  xdotool mousemove "${icon[0]}" "${icon[1]}" click 1
  wait_for 5 panel_shown || fail "clicking the icon showed no panel"
  sleep 0.5
  shot panel

  click_panel "${ORB[@]}"
  wait_for 10 panel_pixel_near "${CLEAN[@]}" "$ACCENT_BLUE" || fail "no clean button after the scan"
  sleep 1
  panel_pixel_near "${ROW_TILE[@]}" "$ACCENT_BLUE" || fail "no category rows in the results"
  shot results

  local openbox_cache=no
  [[ -d $XDG_CACHE_HOME/openbox ]] && openbox_cache=yes
  click_panel "${CLEAN[@]}"
  wait_for 10 test ! -e "$XDG_CACHE_HOME/org.example.Editor" || fail "the planted cache is still there"
  [[ ! -e $XDG_DATA_HOME/xorg/Xorg.0.log.old ]] || fail "the planted log is still there"
  if [[ $openbox_cache == yes && ! -d $XDG_CACHE_HOME/openbox ]]; then
    fail "the cache of a running application (openbox) was removed"
  fi
  wait_for 5 panel_pixel_green "${MARK[@]}" || fail "no cleaned state"
  sleep 1
  shot cleaned

  xdotool key Escape
  wait_for 3 panel_hidden || fail "Escape did not close the panel"
  "$tornivo" >"$scratch/second.log" 2>&1 || fail "a second start ended with status $?"
  wait_for 5 panel_shown || fail "a second start did not show the first one's panel"
  shot second-start

  click_panel "${QUIT[@]}"
  local status=0
  wait "$tornivo_pid" || status=$?
  ((status == 0)) || fail "Quit ended the application with status $status"
}

without_tray() {
  start_display
  start_tornivo
  sleep 2
  panel_hidden || fail "the window came before the wait for a tray was over"
  wait_for 10 panel_shown || fail "without a tray no window was shown"
  sleep 0.5
  shot window

  xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Tornivo$' | head -n 1)"
  xdotool key Escape
  wait_for 3 panel_hidden || fail "Escape did not close the window"
  "$tornivo" >"$scratch/second.log" 2>&1 || fail "a second start ended with status $?"
  wait_for 5 panel_shown || fail "a second start did not show the window again"

  start_tray
  wait_for 10 tray_icon_shown || fail "the tray that started later got no icon"
  wait_for 5 panel_hidden || fail "the window did not give way to the tray"
  shot tray-later
  kill -0 "$tornivo_pid" || fail "the application ended"
}

# --- main ---------------------------------------------------------------------------------------

if [[ -z ${inside:-} ]]; then
  scratch=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-e2e.XXXXXX")
  shots=${shots:-$scratch/shots}
  mkdir -p "$shots"
  rm -f "$shots"/with-tray-*.png "$shots"/without-tray-*.png  # those of an earlier run
  status=0
  dbus-run-session -- "$0" --inside with-tray "$tornivo" "$shots" \
    >"$scratch/with-tray.out" 2>&1 || status=$?
  cat "$scratch/with-tray.out"
  if ((status == 0)); then
    env -u DBUS_SESSION_BUS_ADDRESS "$0" --inside without-tray "$tornivo" "$shots" || status=$?
  fi
  if ((status == 0)); then
    echo "PASS: tray, panel, scan, clean, second start, quit; window without a tray; screenshots in $shots"
    [[ $shots == $scratch/shots ]] || rm -rf "$scratch"
  else
    echo "kept for a look: $scratch" >&2
  fi
  exit "$status"
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-e2e-$inside.XXXXXX")
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [[ ${keep:-} != yes ]]; then rm -rf "$scratch"; fi
}
trap cleanup EXIT
trap 'keep=yes; echo "kept: $scratch" >&2' ERR
make_home
case $inside in
  with-tray) with_tray ;;
  without-tray) without_tray ;;
esac
