#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the real window for the README and the AppStream metainfo:
# under Xvfb at 96 DPI with openbox, at 1x and 2x, in the start state and
# after one worked example (mode Perdita, then G stepped up once), with the
# details window open beside it (F2), and, started anew, with the friction
# chart beside it (F4) showing the start duct.
# Writes docs/flumetra-avvio.png, docs/flumetra-perdita.png,
# docs/flumetra-dettagli.png, docs/flumetra-diagramma.png and their @2x.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh openbox xdotool imagemagick x11-utils
build_preset default flumetra
mkdir -p docs

start_display 2560x1600x24
openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
trap 'kill $openbox $xvfb 2>/dev/null' EXIT
window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_until "openbox to manage the screen" 30 window_manager_running

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

# The main window and another one beside it, with their frames (taken to be
# alike): the smallest rectangle that holds both.
shoot_both() {
  local left right top bottom dx dy dwidth dheight
  read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  eval "$(xwininfo -id "$2" | awk '/Absolute upper-left X/ {print "dx=" $4} /Absolute upper-left Y/ {print "dy=" $4}
                                       /Width/ {print "dwidth=" $2} /Height/ {print "dheight=" $2}')"
  local x0=$(( (dx < x ? dx : x) - left )) y0=$(( (dy < y ? dy : y) - top ))
  local x1=$(( (dx + dwidth > x + width ? dx + dwidth : x + width) + right ))
  local y1=$(( (dy + dheight > y + height ? dy + dheight : y + height) + bottom ))
  import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$1"
  echo "wrote $1"
}

# The program at the scale $scale, its window framed and drawn: $app, $window
# and its client area $x, $y, $width, $height.
start_app() {
  XDG_RUNTIME_DIR=$(mktemp -d) QT_SCALE_FACTOR=$scale "$(preset_dir default)/app/flumetra" >/dev/null 2>&1 &
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
