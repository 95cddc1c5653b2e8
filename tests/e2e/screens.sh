#!/usr/bin/env bash
# Every section screen as a person uses it, on a virtual screen (Xvfb, openbox, a session bus,
# no tray: the panel opens as a window) and a scratch home made here with large files,
# duplicates, installers, node projects, an application with leftovers and Trash items planted:
# each tab is opened, its scan run, something ticked and removed, and a screenshot taken of every
# step. Then: what was moved went to the Trash with its info file (restorable), what was deleted
# is gone, nothing else in the home changed; the shredder empties the Trash; the tune-up task
# that needs neither the administrator nor a desktop restart (the thumbnail cache) runs.
#
#   tests/e2e/screens.sh TORNIVO [SCREENSHOT_FOLDER] [APPEARANCE] [LANGUAGE]
#
# APPEARANCE is light (default) or dark, LANGUAGE a language code (default en); in a right-to-
# left language every click is mirrored. Exits 77 (CTest's skip) with the reason when a tool it
# needs is missing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/desktop.sh"
if [[ ${1:-} == --inside ]]; then
  inside=yes
  shift
fi
tornivo=$(realpath "$1")
shots=${2:-}
appearance=${3:-light}
language=${4:-en}
for tool in fallocate find; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

# Where the screens' controls are, from the panel's top-left corner: the wide button at the
# bottom of every screen, the first row of a list, the first category of the X-Ray, the trash
# button of the first file of its detail, the search field and first application of the
# uninstall picker, the uninstall button, the dialog's destructive button, the run button of the
# thumbnail task.
readonly BOTTOM=(190 526) FIRST_ROW=(190 262) FIRST_CATEGORY=(190 280) DETAIL_TRASH=(342 311)
readonly SEARCH=(190 244) FIRST_APP=(190 358) UNINSTALL=(270 526) DIALOG_CONFIRM=(271 321)
readonly THUMBNAILS_RUN=(326 516)
# The tabs in their order.
readonly TABS=(clean tuneup developer xray duplicates large installers uninstall shred)

fail() {
  echo "FAIL: $* (after step $step)" >&2
  shot failure
  # What became of the panel: the program gone, or its windows elsewhere or of another size.
  if [[ -n ${tornivo_pid:-} ]] && ! kill -0 "$tornivo_pid" 2>/dev/null; then
    wait "$tornivo_pid" 2>/dev/null && echo "  tornivo had quit, status 0" >&2 ||
      echo "  tornivo had ended, status $?" >&2
  fi
  local w
  for w in $(xdotool search --name '^Tornivo$' 2>/dev/null); do
    echo "  window $w: $(xdotool getwindowgeometry "$w" 2>/dev/null | tr -s '\n ' ' ')" >&2
    xwininfo -id "$w" 2>&1 | sed -n 's/^ *Map State: /    /p' >&2
  done
  [[ -s $scratch/xdotool.log ]] && sed 's/^/  xdotool: /' "$scratch/xdotool.log" | tail -n 5 >&2
  sed 's/^/  tornivo: /' "$scratch/tornivo.log" >&2
  keep=yes
  echo "kept: $scratch" >&2
  exit 1
}

step=0
shot() {
  local at
  step=$((step + 1))
  read -r -a at <<<"$(panel_at)"
  [[ ${#at[@]} -eq 2 ]] || return 0
  import -window root -crop "380x560+${at[0]}+${at[1]}" \
    "$shots/$(printf '%s-%s-%02d' "$appearance" "$language" "$step")-$1.png" 2>/dev/null || true
}

# A click at the panel's OFFSET_X OFFSET_Y, mirrored in a right-to-left language.
rtl=no
[[ $language == ar || $language == he ]] && rtl=yes
click() {  # OFFSET_X OFFSET_Y
  local x=$1
  [[ $rtl == yes ]] && x=$((380 - x))
  click_panel "$x" "$2"
  sleep 0.4
}
open_tab() {  # NAME
  local i
  for i in "${!TABS[@]}"; do
    if [[ ${TABS[$i]} == "$1" ]]; then
      click "$(awk -v x0="$TAB_X0" -v w="$TAB_WIDTH" -v i="$i" 'BEGIN { printf "%d", x0 + i * w }')" "$TAB_Y"
      sleep 0.6
      return
    fi
  done
}

# --- the scratch home -----------------------------------------------------------------------------

plant() {
  local old="2026-01-01 12:00"
  mkdir -p "$HOME/Videos" "$HOME/Documents" "$HOME/Downloads" "$HOME/Pictures" "$HOME/Desktop" \
    "$HOME/.local/bin"
  # A film not opened for months (allocated, so that its size on disk counts), and a recording
  # that is larger and in use: the X-Ray lists it first.
  fallocate -l 600M "$HOME/Videos/holiday-2019.mkv"
  touch -d "$old" "$HOME/Videos/holiday-2019.mkv"
  fallocate -l 700M "$HOME/Videos/screen-recording.webm"
  # Duplicates: a document twice, a picture three times.
  head -c 2000000 /dev/urandom >"$HOME/Documents/report-final.pdf"
  cp "$HOME/Documents/report-final.pdf" "$HOME/Downloads/report-final (1).pdf"
  convert -size 1200x800 gradient:'#3a86ff-#e8467c' "$HOME/Pictures/sunset.png"
  head -c 1200000 /dev/urandom >>"$HOME/Pictures/sunset.png"
  cp "$HOME/Pictures/sunset.png" "$HOME/Desktop/sunset copy.png"
  cp "$HOME/Pictures/sunset.png" "$HOME/Downloads/sunset.png"
  # Installers: one of an installed application (ticked by the scan), one of none.
  head -c 4000000 /dev/urandom >"$HOME/Downloads/sketchpad_2.1_amd64.deb"
  head -c 3000000 /dev/urandom >"$HOME/Downloads/debian-12-netinst.iso"
  # A node project idle for months, and one in use.
  mkdir -p "$HOME/Projects/webshop/node_modules/left-pad" "$HOME/Projects/blog/node_modules/react"
  echo '{"name": "webshop"}' >"$HOME/Projects/webshop/package.json"
  head -c 1500000 /dev/urandom >"$HOME/Projects/webshop/node_modules/left-pad/index.js"
  touch -d "$old" "$HOME/Projects/webshop/node_modules/left-pad/index.js" \
    "$HOME/Projects/webshop/node_modules/left-pad" "$HOME/Projects/webshop/node_modules" \
    "$HOME/Projects/webshop/package.json" "$HOME/Projects/webshop"
  echo '{"name": "blog"}' >"$HOME/Projects/blog/package.json"
  head -c 800000 /dev/urandom >"$HOME/Projects/blog/node_modules/react/index.js"
  # An application of the user's (its program must exist for the entry to count) with leftovers.
  printf '#!/bin/sh\nexit 0\n' >"$HOME/.local/bin/sketchpad"
  chmod +x "$HOME/.local/bin/sketchpad"
  mkdir -p "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME/org.example.Sketchpad" \
    "$XDG_CACHE_HOME/org.example.Sketchpad"
  printf '[Desktop Entry]\nType=Application\nName=Sketchpad\nExec=%s\nIcon=accessories-text-editor\n' \
    "$HOME/.local/bin/sketchpad" >"$XDG_DATA_HOME/applications/org.example.Sketchpad.desktop"
  head -c 300000 /dev/urandom >"$XDG_CONFIG_HOME/org.example.Sketchpad/settings.ini"
  head -c 900000 /dev/urandom >"$XDG_CACHE_HOME/org.example.Sketchpad/tiles.bin"
  # Two items in the Trash, each with its info file.
  mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"
  local name
  for name in old-notes.txt draft.odt; do
    head -c 250000 /dev/urandom >"$XDG_DATA_HOME/Trash/files/$name"
    printf '[Trash Info]\nPath=%s\nDeletionDate=2026-11-30T10:00:00\n' "$HOME/Documents/$name" \
      >"$XDG_DATA_HOME/Trash/info/$name.trashinfo"
  done
  # The thumbnail cache the tune-up task removes.
  mkdir -p "$XDG_CACHE_HOME/thumbnails/normal"
  head -c 10000 /dev/urandom >"$XDG_CACHE_HOME/thumbnails/normal/0123456789abcdef.png"
  echo "{\"appLanguage\": \"$language\", \"themeAppearance\": \"$appearance\"}" \
    >"$XDG_CONFIG_HOME/tornivo/settings.json"
}

# Every file and folder of the home with its size and modification time, except the Trash and
# what the programs of the session keep for themselves (caches, state such as Tornivo's record of
# the last move to the Trash, Tornivo's own settings).
inventory() {
  find "$HOME" -xdev \( -path "$XDG_DATA_HOME/Trash" -o -path "$XDG_CONFIG_HOME/tornivo" \
    -o -path "$XDG_STATE_HOME" \
    -o -path "$XDG_CACHE_HOME" -o -path "$XDG_DATA_HOME/recently-used.xbel" \) -prune \
    -o -printf '%P\t%s\t%T@\n' | sort
}
# Whether NAME lies in the Trash with its info file: the file manager can put it back.
in_trash() {  # NAME
  [[ -e $XDG_DATA_HOME/Trash/files/$1 && -f $XDG_DATA_HOME/Trash/info/$1.trashinfo ]]
}
# The number of items in the Trash.
trash_count() { find "$XDG_DATA_HOME/Trash/files" -mindepth 1 -maxdepth 1 | wc -l; }

# --- the run ----------------------------------------------------------------------------------------

run() {
  start_display
  start_tornivo
  wait_for 15 panel_shown || fail "no panel"
  sleep 1
  before=$(inventory)

  open_tab xray
  shot xray-empty
  click "${BOTTOM[@]}"
  sleep 3  # the walk of a small home is quick
  shot xray-overview
  click "${FIRST_CATEGORY[@]}"
  sleep 1
  shot xray-detail
  click "${DETAIL_TRASH[@]}"
  wait_for 10 in_trash screen-recording.webm || fail "the X-Ray did not move the recording to the Trash"
  sleep 1
  shot xray-trashed

  open_tab large
  shot large-empty
  click "${BOTTOM[@]}"
  sleep 3
  shot large-listed
  click "${FIRST_ROW[@]}"
  shot large-ticked
  click "${BOTTOM[@]}"
  wait_for 10 in_trash holiday-2019.mkv || fail "the large file is not in the Trash"
  sleep 1
  shot large-removed

  open_tab duplicates
  shot duplicates-empty
  click "${BOTTOM[@]}"
  sleep 3
  shot duplicates-listed
  click "${BOTTOM[@]}"
  wait_for 10 test "$(trash_count)" -eq 7 || fail "Remove all moved $(($(trash_count) - 4)) copies, not 3"
  sleep 1
  shot duplicates-removed
  local left
  left=$(find "$HOME/Pictures" "$HOME/Desktop" "$HOME/Downloads" -name 'sunset*.png' | wc -l)
  ((left == 1)) || fail "$left copies of the picture stayed, not 1"

  open_tab installers
  shot installers-empty
  click "${BOTTOM[@]}"
  sleep 2
  shot installers-listed
  click "${BOTTOM[@]}"
  wait_for 10 in_trash sketchpad_2.1_amd64.deb || fail "the ticked installer is not in the Trash"
  [[ -e $HOME/Downloads/debian-12-netinst.iso ]] || fail "the unticked installer went too"
  sleep 1
  shot installers-removed

  open_tab developer
  shot developer-idle
  click "${BOTTOM[@]}"
  sleep 3
  shot developer-result
  click "${BOTTOM[@]}"
  wait_for 10 test ! -e "$HOME/Projects/webshop/node_modules" || fail "the idle project's node_modules is still there"
  [[ -e $HOME/Projects/blog/node_modules/react/index.js ]] || fail "the active project's node_modules went"
  [[ -e $HOME/Projects/webshop/package.json ]] || fail "the idle project lost more than its output"
  sleep 1
  shot developer-cleaned

  open_tab uninstall
  shot uninstall-picker
  click "${SEARCH[@]}"
  xdotool type --delay 50 "SKET"
  sleep 0.5
  shot uninstall-search
  click "${FIRST_APP[@]}"
  sleep 2
  shot uninstall-result
  click "${UNINSTALL[@]}"
  wait_for 10 in_trash org.example.Sketchpad.desktop || fail "the application's entry is not in the Trash"
  [[ ! -e $XDG_CONFIG_HOME/org.example.Sketchpad ]] || fail "its settings leftover stayed"
  sleep 1
  shot uninstall-done

  # Everything moved is in the Trash, restorable; nothing else in the home changed.
  local name
  for name in screen-recording.webm holiday-2019.mkv sketchpad_2.1_amd64.deb \
    org.example.Sketchpad.desktop org.example.Sketchpad; do
    in_trash "$name" || fail "$name is not restorable from the Trash"
  done
  local changes expected
  changes=$(diff <(echo "$before") <(inventory) | sed -n 's/^[<>] //p' | cut -f 1 | sort -u |
    grep -v '^Projects/webshop/node_modules' || true)
  expected=$(printf '%s\n' .config .config/org.example.Sketchpad \
    .config/org.example.Sketchpad/settings.ini .local/share/applications \
    .local/share/applications/org.example.Sketchpad.desktop Desktop "Desktop/sunset copy.png" \
    Downloads "Downloads/report-final (1).pdf" Downloads/sketchpad_2.1_amd64.deb \
    Downloads/sunset.png Documents Documents/report-final.pdf Pictures Pictures/sunset.png \
    Projects/webshop Videos Videos/holiday-2019.mkv \
    Videos/screen-recording.webm | sort -u)
  local unexpected
  unexpected=$(comm -23 <(echo "$changes") <(echo "$expected"))
  [[ -z $unexpected ]] || fail "changed beyond what was removed: $unexpected"

  open_tab shred
  sleep 1
  shot shred-listed
  click "${BOTTOM[@]}"
  sleep 0.5
  shot shred-confirm
  click "${DIALOG_CONFIRM[@]}"
  wait_for 30 test "$(trash_count)" -eq 0 || fail "the Trash still holds $(trash_count) items"
  sleep 1
  shot shred-done
  [[ -z $(find "$XDG_DATA_HOME/Trash/info" -type f) ]] || fail "info files stayed after shredding"
  click "${BOTTOM[@]}"
  sleep 1
  shot shred-empty

  open_tab tuneup
  shot tuneup
  click "${THUMBNAILS_RUN[@]}"
  wait_for 10 test ! -e "$XDG_CACHE_HOME/thumbnails" || fail "the thumbnail cache is still there"
  sleep 1
  shot tuneup-ran

  open_tab clean
  click 190 376
  sleep 3
  shot clean-results

  click "${GEAR[@]}"
  sleep 1
  shot settings
}

# --- main ---------------------------------------------------------------------------------------

if [[ -z ${inside:-} ]]; then
  scratch=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-e2e-screens.XXXXXX")
  shots=${shots:-$scratch/shots}
  mkdir -p "$shots"
  rm -f "$shots/$appearance-$language"-*.png  # those of an earlier run
  status=0
  dbus-run-session -- "$0" --inside "$tornivo" "$shots" "$appearance" "$language" || status=$?
  if ((status == 0)); then
    echo "PASS: every screen scanned, removed and checked; screenshots in $shots"
    [[ $shots == $scratch/shots ]] || rm -rf "$scratch"
  fi
  exit "$status"
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tornivo-e2e-screens-inside.XXXXXX")
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
plant
run
