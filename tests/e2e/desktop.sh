# shellcheck shell=bash disable=SC2154  # scratch, pids and fail come from the sourcing script
# A virtual desktop for running Tornivo as a person would, shared by the end-to-end test and the
# panel benchmark; each sources it after `set -euo pipefail`:
#
#   . "$here/desktop.sh"   (here: this folder; the script defines fail, scratch and pids=())
#
# Xvfb with openbox, optionally tint2's XEmbed tray (tint2rc here), a scratch home, and ways to
# find the panel and the tray icon on the screen.

desktop_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Exits 77 (CTest's skip) with the reason when a tool is missing.
for tool in Xvfb xdotool xwininfo import convert dbus-run-session openbox tint2; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
    exit 77
  fi
done

# Where the panel's controls are, from its top-left corner, as its layout places them (380 x 560
# logical pixels): the header's gear and quit buttons, and the middle of the row of nine tabs,
# the first centred at TAB_X0, each TAB_WIDTH wide. A click that misses shows in the screenshots.
readonly GEAR=(320 26) QUIT=(356 26) TAB_Y=184 TAB_X0=34 TAB_WIDTH=38.9

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
  tint2 -c "$desktop_dir/tint2rc" >"$scratch/tint2.log" 2>&1 &
  pids+=($!)
}

# A scratch home with the XDG folders inside it and junk planted in both junk folders.
make_home() {
  home=$scratch/home
  export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache \
    XDG_DATA_HOME=$home/.local/share XDG_STATE_HOME=$home/.local/state \
    XDG_RUNTIME_DIR=$scratch/run
  mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CACHE_HOME/org.example.Editor" "$XDG_DATA_HOME/xorg" \
    "$XDG_STATE_HOME"
  chmod 700 "$XDG_RUNTIME_DIR"
  head -c 3000000 /dev/urandom >"$XDG_CACHE_HOME/org.example.Editor/cache.db"
  head -c 200000 /dev/urandom >"$XDG_DATA_HOME/xorg/Xorg.0.log.old"
  mkdir -p "$XDG_CONFIG_HOME/tornivo"
  echo '{"appLanguage": "en", "themeAppearance": "light"}' >"$XDG_CONFIG_HOME/tornivo/settings.json"
  # Where the clicks land was measured in DejaVu Sans; with Noto installed too (the other
  # scripts need it) fontconfig would choose Noto Sans, whose taller lines move the rows.
  mkdir -p "$XDG_CONFIG_HOME/fontconfig"
  cat >"$XDG_CONFIG_HOME/fontconfig/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
</fontconfig>
CONF
}

start_tornivo() {
  QT_LOGGING_RULES="tornivo.panel.debug=true" "$tornivo" >"$scratch/tornivo.log" 2>&1 &
  tornivo_pid=$!
  pids+=($tornivo_pid)
}

# "X Y" of window W's top-left corner when it is a visible 380 x 560 window called Tornivo.
panel_window_at() {  # W
  xwininfo -id "$1" 2>/dev/null | awk '
    /^xwininfo: Window id:/ {named = /"Tornivo"$/}
    /Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} /Map State:/ {shown = $3 == "IsViewable"}
    END {if (!named || !shown || w != 380 || h != 560) exit 1; print x, y}'
}

# The panel: "X Y" of its top-left corner, or nothing. The window found last time is looked at
# first, by itself: a search of the whole window tree can come back empty while another window
# comes or goes, and did for seconds at a time (what xdotool said is kept in the scratch folder).
panel_at() {
  local w
  w=$(cat "$scratch/panel-window" 2>/dev/null) && panel_window_at "$w" && return
  for w in $(xdotool search --onlyvisible --name '^Tornivo$' 2>>"$scratch/xdotool.log"); do
    if panel_window_at "$w"; then
      echo "$w" >"$scratch/panel-window"
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

click_panel() {  # OFFSET_X OFFSET_Y
  local at
  # A search of the window tree can miss a window while another one comes or goes (a popup,
  # a tooltip): looked for again for a moment before giving up.
  wait_for 3 panel_shown || true
  read -r -a at <<<"$(panel_at)"
  [[ ${#at[@]} -eq 2 ]] || fail "no panel to click in"
  xdotool mousemove $((at[0] + $1)) $((at[1] + $2)) click 1
}

