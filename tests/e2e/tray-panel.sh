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
if [[ ${1:-} == --inside ]]; then
  inside=$2
  shift 2
fi
tornivo=$(realpath "$1")
shots=${2:-}

for tool in Xvfb xdotool xwininfo import convert dbus-run-session openbox tint2; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
    exit 77
  fi
done

# Where the panel's controls are, from its top-left corner, as its layout places them (380 x 560
# logical pixels, the clean section shown). A click that misses shows in the screenshots.
readonly ORB=(190 376) CLEAN=(40 526) ROW_TILE=(34 313) MARK=(190 312) QUIT=(356 26)
readonly ACCENT_BLUE="51,122,255"  # the default accent, as the clean button is filled with it

fail() {
  echo "FAIL: $*" >&2
  shot failure
  keep=yes
  echo "kept: $scratch" >&2
  exit 1
}

# --- the virtual desktop ------------------------------------------------------------------------

start_display() {
  Xvfb -displayfd 9 -screen 0 1280x800x24 -nolisten tcp 9>"$scratch/display" 2>"$scratch/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do
    [[ -s $scratch/display ]] && break
    sleep 0.05
  done
  [[ -s $scratch/display ]] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n 1 "$scratch/display")"
  openbox >"$scratch/openbox.log" 2>&1 &
  pids+=($!)
  sleep 0.5
}

start_tray() {
  tint2 -c "$here/tint2rc" >"$scratch/tint2.log" 2>&1 &
  pids+=($!)
}

# A scratch home with the XDG folders inside it and junk planted in both junk folders.
make_home() {
  home=$scratch/home
  export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
    XDG_DATA_HOME=$home/.local/share XDG_STATE_HOME=$home/.local/state \
    XDG_RUNTIME_DIR=$scratch/run
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CACHE_HOME/org.example.Editor" "$XDG_DATA_HOME/xorg"
  chmod 700 "$XDG_RUNTIME_DIR"
  head -c 3000000 /dev/urandom >"$XDG_CACHE_HOME/org.example.Editor/cache.db"
  head -c 200000 /dev/urandom >"$XDG_DATA_HOME/xorg/Xorg.0.log.old"
  mkdir -p "$XDG_CONFIG_HOME/tornivo"
  echo '{"appLanguage": "en", "themeAppearance": "light"}' >"$XDG_CONFIG_HOME/tornivo/settings.json"
}

start_tornivo() {
  "$tornivo" >"$scratch/tornivo.log" 2>&1 &
  tornivo_pid=$!
  pids+=($tornivo_pid)
}

step=0
shot() {
  step=$((step + 1))
  import -window root "$shots/$(printf '%s-%02d' "$inside" "$step")-$1.png" 2>/dev/null || true
}

# --- looking ------------------------------------------------------------------------------------

# The visible 380 x 560 window called Tornivo: "X Y" of its top-left corner, or nothing.
panel_at() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Tornivo$' 2>/dev/null); do
    if [[ $(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: //p') == 380x560 ]]; then
      xwininfo -id "$w" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
                               END {print x, y}'
      return
    fi
  done
}

# The centre "X Y" of Tornivo's icon in the tray: the window named Tornivo of an icon's size (the
# panel is 380 x 560) that the tray has embedded, found in the tree of all windows.
tray_icon_at() {
  xwininfo -root -tree 2>/dev/null | awk '
    /"Tornivo"/ {
      for (i = 1; i < NF; i++)
        if (split($i, g, /[x+]/) == 4 && g[1] >= 8 && g[1] <= 64 && g[2] >= 8 && g[2] <= 64) {
          split($(i + 1), at, "+")
          print at[2] + int(g[1] / 2), at[3] + int(g[2] / 2)
          exit
        }
    }'
}

# Waits up to SECONDS for COMMAND to succeed.
wait_for() {  # SECONDS COMMAND...
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

panel_shown() { [[ -n $(panel_at) ]]; }
panel_hidden() { [[ -z $(panel_at) ]]; }
tray_icon_shown() { [[ -n $(tray_icon_at) ]]; }

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

click_panel() {  # OFFSET_X OFFSET_Y
  local at
  read -r -a at <<<"$(panel_at)"
  [[ ${#at[@]} -eq 2 ]] || fail "no panel to click in"
  xdotool mousemove $((at[0] + $1)) $((at[1] + $2)) click 1
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
