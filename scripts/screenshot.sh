#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the real window for the README and the AppStream metainfo:
# under Xvfb at 96 DPI with openbox, at 1x and 2x, in the start state and
# after one worked example (mode Perdita, then G stepped up once), with the
# details window open beside it (F2), and, started anew, with the friction
# chart beside it (F4) showing the start duct. Then, on a 1920 × 1080
# screen, the run sheet the program opens with a small run given on its
# command line, and the chart following that run (F4), each where the
# program places it; the windows' frames are printed and checked: at 1x
# none covers another, at 2x each fits on the screen, the sheet no larger
# than it and above the calculator where they meet.
# Writes docs/flumetra-avvio.png, docs/flumetra-perdita.png,
# docs/flumetra-dettagli.png, docs/flumetra-diagramma.png,
# docs/flumetra-percorso.png, docs/flumetra-percorso-diagramma.png and
# their @2x.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh openbox xdotool imagemagick x11-utils
build_preset default flumetra
mkdir -p docs

openbox=""
xvfb=""
trap 'kill $openbox $xvfb 2>/dev/null' EXIT
window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# A screen of that size with openbox managing it, in place of the last one.
new_screen() {
  [ -n "$openbox" ] && kill "$openbox" "$xvfb" 2>/dev/null && wait "$openbox" "$xvfb" 2>/dev/null || true
  start_display "$1x24"
  screen=$1
  openbox --sm-disable >/dev/null 2>&1 &
  openbox=$!
  wait_until "openbox to manage the screen" 30 window_manager_running
}
new_screen 2560x1600

# Whether a window's picture is the same twice running, 0.2 s apart: it has
# finished drawing what the last action changed.
settled() {
  local before after
  before=$(import -window "$1" rgb:- | sha1sum)
  sleep 0.2
  after=$(import -window "$1" rgb:- | sha1sum)
  [ "$before" = "$after" ]
}
framed() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }

# A click at a point of the client area given in pixels at 96 DPI.
click() {
  xdotool mousemove $((x + $1 * scale)) $((y + $2 * scale)) click 1
  wait_until "the window to settle" 30 settled "$window"
}

# The window with its frame, as a person sees it.
shoot() {
  local extents left right top bottom
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r left right top bottom <<<"$extents"
  import -window root -crop "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))" \
    +repage "$1"
  echo "wrote $1"
}

# A window's frame on the screen, in pixels: "x y width height".
frame_of() {
  local left right top bottom fx fy fwidth fheight
  read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "fx=" $4} /Absolute upper-left Y/ {print "fy=" $4}
                                   /Width/ {print "fwidth=" $2} /Height/ {print "fheight=" $2}')"
  echo "$((fx - left)) $((fy - top)) $((fwidth + left + right)) $((fheight + top + bottom))"
}

# The windows given, with their frames: the smallest rectangle that holds them all.
shoot_windows() {
  local picture=$1 id fx fy fw fh x0=100000 y0=100000 x1=0 y1=0
  shift
  for id in "$@"; do
    read -r fx fy fw fh <<<"$(frame_of "$id")"
    x0=$((fx < x0 ? fx : x0)) y0=$((fy < y0 ? fy : y0))
    x1=$((fx + fw > x1 ? fx + fw : x1)) y1=$((fy + fh > y1 ? fy + fh : y1))
  done
  import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$picture"
  echo "wrote $picture"
}
# The main window and another one beside it.
shoot_both() { shoot_windows "$1" "$window" "$2"; }

# Prints each window's frame and checks where they stand on the screen: all
# inside it; at 1x none covering another; at 2x, the sheet (the second)
# stacked above the calculator (the first) where they meet.
check_placement() {
  local ids=("$@") frames=() i j a b w h
  read -r w h <<<"${screen/x/ }"
  for i in "${!ids[@]}"; do
    frames[i]=$(frame_of "${ids[i]}")
    read -r -a a <<<"${frames[i]}"
    echo "  scale $scale: «$(xdotool getwindowname "${ids[i]}")» frame ${a[0]},${a[1]} ${a[2]}×${a[3]}"
    if [ "${a[0]}" -lt 0 ] || [ "${a[1]}" -lt 0 ] || [ $((a[0] + a[2])) -gt "$w" ] || [ $((a[1] + a[3])) -gt "$h" ]; then
      echo "$(basename "$0"): «$(xdotool getwindowname "${ids[i]}")» does not fit on the $screen screen" >&2
      return 1
    fi
  done
  for i in "${!ids[@]}"; do
    for ((j = i + 1; j < ${#ids[@]}; j++)); do
      read -r -a a <<<"${frames[i]}"
      read -r -a b <<<"${frames[j]}"
      if [ "${a[0]}" -lt $((b[0] + b[2])) ] && [ "${b[0]}" -lt $((a[0] + a[2])) ] &&
         [ "${a[1]}" -lt $((b[1] + b[3])) ] && [ "${b[1]}" -lt $((a[1] + a[3])) ]; then
        if [ "$scale" = 1 ]; then
          echo "$(basename "$0"): at 1x «$(xdotool getwindowname "${ids[i]}")» and «$(xdotool getwindowname "${ids[j]}")» meet" >&2
          return 1
        fi
        if [ "$i" = 0 ] && [ "$j" = 1 ] && ! sheet_above "${ids[0]}" "${ids[1]}"; then
          echo "$(basename "$0"): at 2x the calculator covers the sheet" >&2
          return 1
        fi
      fi
    done
  done
}
# Whether the second window is stacked above the first.
sheet_above() {
  local stack
  stack=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
  local order=" $(for id in $stack; do printf '%d ' "$id"; done)"
  local first=${order%% $(printf '%d' "$1") *} second=${order%% $(printf '%d' "$2") *}
  [ ${#second} -gt ${#first} ]
}

# The program at the scale $scale, its window framed and drawn: $app, $window
# and its client area $x, $y, $width, $height. Its arguments go to the
# program; its data (recovery copies) in a folder of its own.
start_app() {
  XDG_RUNTIME_DIR=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) QT_SCALE_FACTOR=$scale \
    "$(preset_dir default)/app/flumetra" "$@" >/dev/null 2>&1 &
  app=$!
  window=$(xdotool search --sync --onlyvisible --name '^Flumetra$' | head -1)
  wait_until "openbox's frame around the window" 30 framed "$window"
  wait_until "the window to settle" 30 settled "$window"
  eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}
                                       /Width/ {print "width=" $2} /Height/ {print "height=" $2}')"
  xdotool mousemove 0 0
}
stop_app() {
  kill "$app"
  wait "$app" 2>/dev/null || true
}

# A tool window the main one opens with a key, once it is framed and drawn.
# It runs inside $( ), where set -e does not hold: a wait in vain returns.
open_beside() {
  local other
  xdotool key "$1"
  other=$(xdotool search --sync --onlyvisible --name "^$2\$" | head -1)
  wait_until "openbox's frame around «$2»" 30 framed "$other" || return 1
  wait_until "«$2» to settle" 30 settled "$other" || return 1
  echo "$other"
}

for scale in 1 2; do
  suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
  start_app
  shoot "docs/flumetra-avvio$suffix.png"
  click 200 176  # the mode radio Perdita, at the right of the Y row
  click 168 124  # the upper arrow of the spinner of G
  xdotool mousemove 0 0
  wait_until "the window to settle" 30 settled "$window"
  shoot "docs/flumetra-perdita$suffix.png"
  details=$(open_beside F2 'Dettagli del condotto')
  shoot_both "docs/flumetra-dettagli$suffix.png" "$details"
  stop_app

  start_app
  chart=$(open_beside F4 'Diagramma delle perdite')
  shoot_both "docs/flumetra-diagramma$suffix.png" "$chart"
  stop_app
done

# A window the program opened itself, once it is framed and drawn.
opened() {
  local other
  other=$(xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
  wait_until "openbox's frame around «$1»" 30 framed "$other" || return 1
  wait_until "«$1» to settle" 30 settled "$other" || return 1
  echo "$other"
}

new_screen 1920x1080
run=tests/scenarios/riferimento.flumetra
for scale in 1 2; do
  suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
  start_app "$run"
  sheet=$(opened "$(basename "$run") – Percorso")
  xdotool mousemove 0 0
  check_placement "$window" "$sheet"
  shoot_windows "docs/flumetra-percorso$suffix.png" "$window" "$sheet"
  chart=$(open_beside F4 'Diagramma delle perdite')
  check_placement "$window" "$sheet" "$chart"
  shoot_windows "docs/flumetra-percorso-diagramma$suffix.png" "$window" "$sheet" "$chart"
  stop_app
done
