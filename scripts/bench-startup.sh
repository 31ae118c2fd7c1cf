#!/usr/bin/env bash
# Start-up benchmark: Kestrum against a bare Qt dialog with the same controls,
# each timed from exec to its window shown on a private Xvfb. Prints medians
# of time to shown and peak RSS, and the ratios against the 1.3x target.
#   scripts/bench-startup.sh BUILD-DIR      (KESTRUM_BENCH_RUNS overrides 7 runs)
# Exits 0 whether or not the target is met; non-zero if a run failed.
set -euo pipefail
build=$(cd "${1:?usage: $0 BUILD-DIR}" && pwd)
runs=${KESTRUM_BENCH_RUNS:-7}
target=1.3
watcher=$build/bin/kestrum_bench_shown_watcher
kestrum=$build/bin/kestrum
bare=$build/bin/kestrum_bench_bare_dialog
for f in "$watcher" "$kestrum" "$bare"; do
  [ -x "$f" ] || { echo "missing $f: build kestrum and the bench/startup targets first" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing (package xvfb)" >&2; exit 1; }

work=$(mktemp -d /tmp/kestrum-bench-startup.XXXXXX)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER

mkdir -m 700 "$work/runtime" "$work/cwd"
export XDG_RUNTIME_DIR=$work/runtime
cd "$work/cwd"

# measure NAME PROGRAM: one run; appends "ms kib" to $work/NAME
measure() {
  local line
  line=$("$watcher" "$2") || { echo "$1: run failed" >&2; exit 1; }
  [[ $line =~ ^shown_ms=([0-9.]+)\ peak_rss_kib=([0-9]+)$ ]] || { echo "$1: unexpected output: $line" >&2; exit 1; }
  echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]}" >>"$work/$1"
}

# Warm-up runs fill the page cache and font caches; they are not counted.
measure warm-kestrum "$kestrum"
measure warm-bare "$bare"
for _ in $(seq 1 "$runs"); do
  measure kestrum "$kestrum"
  measure bare "$bare"
done

# median FILE COLUMN
median() {
  sort -g -k "$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
calc() { awk "BEGIN { print $1 }"; }

k_ms=$(median "$work/kestrum" 1); b_ms=$(median "$work/bare" 1)
k_mib=$(calc "$(median "$work/kestrum" 2) / 1024"); b_mib=$(calc "$(median "$work/bare" 2) / 1024")
r_ms=$(calc "$k_ms / $b_ms"); r_mib=$(calc "$k_mib / $b_mib")
verdict() { awk -v r="$1" -v t="$target" 'BEGIN { print (r <= t) ? "PASS" : "MISS" }'; }

echo "Start-up to dialog shown, medians of $runs runs (Xvfb $DISPLAY)"
printf '%-22s %12s %16s\n' "" "shown (ms)" "peak RSS (MiB)"
printf '%-22s %12.1f %16.1f\n' "kestrum" "$k_ms" "$k_mib"
printf '%-22s %12.1f %16.1f\n' "bare Qt dialog" "$b_ms" "$b_mib"
printf '%-22s %11.2fx %15.2fx\n' "ratio" "$r_ms" "$r_mib"
printf '%-22s %12s %16s\n' "target <= ${target}x" "$(verdict "$r_ms")" "$(verdict "$r_mib")"
