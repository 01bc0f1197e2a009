#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time (launch to the title screen first drawn) and peak memory of the program over the generated
# course, beside a bare Qt program that shows one empty 792 x 546 window, under a private Xvfb. The two are
# started in turn (program, bare, program, bare ...) so that both see the same machine load; each run is timed
# by launch_timer from the X server's own events. Prints every run, the medians and the ratios.
# Usage: startup.sh BUILD_DIR [RUNS]   (BUILD_DIR holds vedarium, content/ and bench/startup/)
set -eu
build=$(cd "$1" && pwd)
runs=${2:-11}
timer="$build/bench/startup/launch_timer"
for f in "$build/vedarium" "$build/bench/startup/bench_bare_window" "$timer"; do
  [ -x "$f" ] || { echo "missing $f (build the targets vedarium, bench_bare_window and launch_timer)" >&2; exit 1; }
done
[ -d "$build/content" ] || { echo "missing $build/content (build the target content)" >&2; exit 1; }

displayfile=$(mktemp)
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$displayfile") QT_QPA_PLATFORM=xcb

# One run: prints "shown_ms peak_rss_kib".
run() { # title command...
  local title=$1; shift
  "$timer" --title "$title" -- "$@" 2>/dev/null | sed -n 's/^shown_ms=\([0-9.]*\) mapped_ms=[0-9.]* peak_rss_kib=\([0-9]*\)$/\1 \2/p'
}

median() { sort -g | awk '{a[NR]=$1} END {if (NR) print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

cd "$build/content"
# One warm-up run of each fills the page cache.
run "Среда программирования DELPHI" "$build/vedarium" >/dev/null
run "bare window" "$build/bench/startup/bench_bare_window" >/dev/null
prog_ms=() prog_kib=() bare_ms=() bare_kib=() ratios=()
for i in $(seq "$runs"); do
  read -r pm pk < <(run "Среда программирования DELPHI" "$build/vedarium") || { echo "run $i: the program was not shown" >&2; exit 1; }
  read -r bm bk < <(run "bare window" "$build/bench/startup/bench_bare_window") || { echo "run $i: the bare window was not shown" >&2; exit 1; }
  prog_ms+=("$pm") prog_kib+=("$pk") bare_ms+=("$bm") bare_kib+=("$bk")
  ratios+=("$(awk -v a="$pm" -v b="$bm" 'BEGIN {printf "%.3f", a / b}')")
done
pm=$(printf '%s\n' "${prog_ms[@]}" | median)
pk=$(printf '%s\n' "${prog_kib[@]}" | median)
bm=$(printf '%s\n' "${bare_ms[@]}" | median)
bk=$(printf '%s\n' "${bare_kib[@]}" | median)
pr=$(printf '%s\n' "${ratios[@]}" | median)
echo "vedarium: start-up median $pm ms (runs: ${prog_ms[*]}), peak RSS median $pk KiB (runs: ${prog_kib[*]})"
echo "bare Qt window: start-up median $bm ms (runs: ${bare_ms[*]}), peak RSS median $bk KiB (runs: ${bare_kib[*]})"
awk -v pm="$pm" -v bm="$bm" -v pk="$pk" -v bk="$bk" -v pr="$pr" -v n="$runs" 'BEGIN {
  printf "ratios over %d alternating runs: start-up %.2f (median of the run-by-run ratios %.2f), peak memory %.2f\n",
         n, pm / bm, pr, pk / bk }'
