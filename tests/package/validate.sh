#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Validates the menu entry (desktop-file-validate) or the AppStream metainfo (appstreamcli, without network)
# (installed as they are). Exits 77 (skipped) when the validator is not installed.
set -u
kind=$1
file=$2
case $kind in
  desktop) tool=(desktop-file-validate "$file") ;;
  metainfo) tool=(appstreamcli validate --no-net --explain "$file") ;;
  *) echo "unknown kind $kind"; exit 2 ;;
esac
command -v "${tool[0]}" >/dev/null || { echo "${tool[0]} is not installed: skipped"; exit 77; }
output=$("${tool[@]}" 2>&1)
status=$?
echo "$output"
# desktop-file-validate reports hints but exits 0 for them; treat every reported line as a failure.
if [ "$status" -ne 0 ] || { [ "$kind" = desktop ] && [ -n "$output" ]; }; then
  exit 1
fi
