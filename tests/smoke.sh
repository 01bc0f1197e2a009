#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the real program under Xvfb over the generated course, checks that the title screen appears,
# clicks "НАЧАТЬ" where it lies on the screen and checks that the mode menu window replaces it.
set -u
program=$1
content=$2
for tool in Xvfb xwininfo xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing"; exit 1; }
done
app=""
log=$(mktemp)
displayfile=$(mktemp)
# Xvfb picks a free display itself and writes its number once it accepts connections. Without -noreset
# the server resets when its last client leaves, and a client connecting just then is refused.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null; wait 2>/dev/null; rm -f "$log" "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$displayfile")
xwininfo -root >/dev/null || { echo "cannot reach $DISPLAY"; exit 1; }

viewable() { xwininfo -name "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
wait_viewable() {
  for _ in $(seq 100); do viewable "$1" && return 0; sleep 0.1; done
  return 1
}

cd "$content"
QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
app=$!
title="Среда программирования DELPHI"
menu="Выбор режимов работы программы"
if ! wait_viewable "$title"; then echo "the title screen did not appear"; cat "$log"; exit 1; fi
sleep 1
info=$(xwininfo -name "$title")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
w=$(awk '/Width:/ {print $2}' <<<"$info")
h=$(awk '/Height:/ {print $2}' <<<"$info")
echo "title screen at $x,$y size ${w}x$h"
# The client area is 792 x 546 below the menu bar; the back button lies at 704, 521 (73 x 17) in it.
[ "$w" -eq 792 ] || { echo "unexpected width $w"; exit 1; }
menu_height=$((h - 546))
xdotool mousemove $((x + 704 + 36)) $((y + menu_height + 521 + 8)) click 1
if ! wait_viewable "$menu"; then echo "the mode menu did not appear after НАЧАТЬ"; cat "$log"; exit 1; fi
if viewable "$title"; then echo "the title screen is still shown"; exit 1; fi
kill -0 "$app" 2>/dev/null || { echo "the program ended"; cat "$log"; exit 1; }
echo "smoke: title screen shown; НАЧАТЬ leads to the mode menu"
