#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a fresh Xvfb display with the openbox window manager, so that window-manager hints can be
# checked as a desktop would honour them. Exits 77 (skipped) when Xvfb or openbox is not installed.
set -u
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
displayfile=$(mktemp)
home=$(mktemp -d)
Xvfb -displayfd 3 -noreset -screen 0 ${VEDARIUM_TEST_SCREEN:-1280x1024x24} ${VEDARIUM_TEST_DPI:+-dpi $VEDARIUM_TEST_DPI} \
  -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
wm=""
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$displayfile" "$home"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$displayfile")
# openbox reads its configuration from the home folder: give it an empty one.
HOME=$home openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" || { echo "openbox did not start"; exit 1; }
QT_QPA_PLATFORM=xcb "$@"
