#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The launcher's choice of course folder, with a stand-in program beside it that prints its current directory:
# the first argument wins over VEDARIUM_CONTENT, which wins over the installed course; a folder without a
# course, or a missing one, is named on stderr and nothing is started.
set -u
launcher=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/bin" "$root/share/vedarium/content/doc" "$root/share/vedarium/content/xmages" \
  "$root/other/DOC" "$root/other/Xmages" "$root/env/doc" "$root/env/xmages" "$root/empty/doc" "$root/with space/doc" \
  "$root/with space/xmages"
cp "$launcher" "$root/bin/vedarium-launcher"
printf '#!/bin/sh\npwd\n' >"$root/bin/vedarium"
chmod +x "$root/bin/vedarium" "$root/bin/vedarium-launcher"
installed=$(cd "$root/share/vedarium/content" && pwd)

failures=0
# expect NAME EXPECTED-STDOUT EXPECTED-STATUS STDERR-PATTERN ENV ARGS...
expect() {
  local name=$1 want_out=$2 want_status=$3 want_err=$4 env=$5
  shift 5
  local out status
  out=$(env -u VEDARIUM_CONTENT ${env:+"$env"} "$root/bin/vedarium-launcher" "$@" 2>"$root/err")
  status=$?
  if [ "$out" != "$want_out" ] || [ "$status" -ne "$want_status" ] ||
    { [ -n "$want_err" ] && ! grep -qF -- "$want_err" "$root/err"; }; then
    echo "FAIL: $name: status $status, stdout '$out', stderr '$(cat "$root/err")'"
    failures=$((failures + 1))
  else
    echo "ok: $name"
  fi
}

expect "installed course by default" "$installed" 0 "" ""
expect "argument" "$root/other" 0 "" "" "$root/other"
expect "argument before the environment" "$root/other" 0 "" "VEDARIUM_CONTENT=$root/env" "$root/other"
expect "environment" "$root/env" 0 "" "VEDARIUM_CONTENT=$root/env"
expect "folder name with a space" "$root/with space" 0 "" "" "$root/with space"
expect "no xmages folder" "" 1 "$root/empty" "" "$root/empty"
expect "missing folder" "" 1 "$root/missing" "VEDARIUM_CONTENT=$root/missing"
expect "a file, not a folder" "" 1 "$root/bin/vedarium" "" "$root/bin/vedarium"

# Without the installed course and without a choice, the launcher names the folder it looked in.
rm -rf "$root/share"
expect "installed course missing" "" 1 "share/vedarium/content" ""

[ "$failures" -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
