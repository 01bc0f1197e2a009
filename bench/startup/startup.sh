#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time (launch to first window viewable) and peak memory of the program over the generated
# course, beside a bare Qt program with one empty window, under Xvfb. Usage: startup.sh BUILD_DIR [RUNS]
set -eu
build=$(cd "$1" && pwd)
runs=${2:-7}
displayfile=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$displayfile") QT_QPA_PLATFORM=xcb

measure() { # name title command...
  local name=$1 title=$2; shift 2
  local times=() rss=()
  for _ in $(seq "$runs"); do
    local out; out=$(mktemp)
    local start; start=$(date +%s%N)
    /usr/bin/time -v -o "$out" "$@" >/dev/null 2>&1 &
    local pid=$!
    until xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do sleep 0.005; done
    local end; end=$(date +%s%N)
    sleep 0.5
    pkill -TERM -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    times+=($(((end - start) / 1000000)))
    rss+=($(awk -F': ' '/Maximum resident set size/ {print $2}' "$out"))
    rm -f "$out"
  done
  local t m
  t=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  m=$(printf '%s\n' "${rss[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  echo "$name: start-up median ${t} ms (runs: ${times[*]}), peak RSS median ${m} KiB"
}

cd "$build/content"
measure "vedarium" "Среда программирования DELPHI" "$build/vedarium"
measure "bare Qt window" "bare window" "$build/bench/startup/bench_bare_window"
