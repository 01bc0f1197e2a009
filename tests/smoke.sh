#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the real program under Xvfb over the generated course and checks that the title screen window
# appears with its caption and that the program keeps running; then ends it.
set -u
program=$1
content=$2
if ! command -v Xvfb >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "Xvfb or xwininfo is missing"; exit 1
fi
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
for _ in $(seq 50); do xwininfo -display "$display" -root >/dev/null 2>&1 && break; sleep 0.1; done
cd "$content"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" >/tmp/vedarium-smoke.log 2>&1 &
app=$!
found=""
for _ in $(seq 100); do
  if xwininfo -display "$display" -root -tree 2>/dev/null | grep -q "Среда программирования DELPHI"; then found=1; break; fi
  sleep 0.1
done
if [ -z "$found" ]; then echo "the title screen did not appear"; cat /tmp/vedarium-smoke.log; exit 1; fi
sleep 3
if ! kill -0 "$app" 2>/dev/null; then echo "the program ended by itself"; cat /tmp/vedarium-smoke.log; exit 1; fi
# Only the title screen is shown, 792 x 546 below its menu bar.
xwininfo -display "$display" -name "Среда программирования DELPHI" | grep -E "Width|Height"
echo "smoke: title screen shown and running"
