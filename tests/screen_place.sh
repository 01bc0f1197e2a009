#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The screens' place under a real window manager (openbox in Xvfb): the title screen's whole window, frame
# included, is centred on the desktop; dragged by its caption bar, it hands its place to the mode menu that
# "НАЧАТЬ" opens. Runs on the display that x11/under_openbox.sh starts.
set -u
program=$1
content=$2
[ -n "${DISPLAY:-}" ] || { echo "no display: run under x11/under_openbox.sh"; exit 1; }
for tool in xwininfo xprop xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
done
app=""
log=$(mktemp)
trap 'kill $app 2>/dev/null; wait 2>/dev/null; rm -f "$log"' EXIT

viewable() { xwininfo -name "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
wait_viewable() {
  for _ in $(seq 100); do viewable "$1" && return 0; sleep 0.1; done
  return 1
}
# The outer rectangle, frame included, of the window with that caption: "x y width height".
outer() {
  local info id x y w h extents l r t b
  info=$(xwininfo -name "$1")
  id=$(awk '/Window id:/ {print $4}' <<<"$info")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width:/ {print $2}' <<<"$info")
  h=$(awk '/Height:/ {print $2}' <<<"$info")
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r l r t b <<<"${extents:-0,0,0,0}"
  echo $((x - l)) $((y - t)) $((w + l + r)) $((h + t + b)) "$t"
}
near() { [ $(($1 - $2)) -le 2 ] && [ $(($2 - $1)) -le 2 ]; }

cd "$content"
QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
app=$!
title="Среда программирования DELPHI"
menu="Выбор режимов работы программы"
if ! wait_viewable "$title"; then echo "the title screen did not appear"; cat "$log"; exit 1; fi
sleep 1.5
read -r x y w h top <<<"$(outer "$title")"
echo "title screen, frame included: $x,$y ${w}x$h"
[ "$top" -gt 0 ] || { echo "no window frame: is the window manager running?"; exit 1; }
cx=$((x + w / 2)) cy=$((y + h / 2))
if ! near "$cx" 512 || ! near "$cy" 384; then echo "not centred: centre $cx,$cy, desktop centre 512,384"; exit 1; fi

# Drag it by its caption bar 150 px left and 100 px up.
xdotool mousemove $((x + w / 2)) $((y + top / 2)) mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove $((x + w / 2 - 30 * step)) $((y + top / 2 - 20 * step)); sleep 0.05; done
xdotool mouseup 1
sleep 0.5
read -r dx dy dw dh _ <<<"$(outer "$title")"
echo "dragged to $dx,$dy"
if near "$dx" "$x" && near "$dy" "$y"; then echo "the drag did not move the window"; exit 1; fi

# "НАЧАТЬ" (the back button at 712, 16 in the footer at 505 of the client area below the menu bar).
client=$(xwininfo -name "$title")
ax=$(awk '/Absolute upper-left X/ {print $4}' <<<"$client")
ay=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$client")
ch=$(awk '/Height:/ {print $2}' <<<"$client")
xdotool mousemove $((ax + 704 + 36)) $((ay + ch - 546 + 521 + 8)) click 1
if ! wait_viewable "$menu"; then echo "the mode menu did not appear after НАЧАТЬ"; cat "$log"; exit 1; fi
sleep 1
read -r mx my mw mh _ <<<"$(outer "$menu")"
echo "mode menu, frame included: $mx,$my ${mw}x$mh"
if ! near "$mx" "$dx" || ! near "$my" "$dy" || [ "$mw" -ne "$dw" ] || [ "$mh" -ne "$dh" ]; then
  echo "the mode menu is not where the title screen was"
  exit 1
fi
echo "screen place: title screen centred; after a drag the mode menu opens in its place"
