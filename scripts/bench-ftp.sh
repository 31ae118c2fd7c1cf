#!/usr/bin/env bash
# Upload benchmark: Kestrum's FTP client against curl, both storing to the
# same local vsftpd. Prints medians of wall time, throughput and peak RSS.
#   scripts/bench-ftp.sh BUILD-DIR      (KESTRUM_BENCH_RUNS overrides 5 runs)
# A 1 KiB session lasts tens of milliseconds and varies with the machine's
# load, so it gets three times as many runs as the big files.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: $0 BUILD-DIR}" && pwd)
client=$build/libexec/kestrum/ftp
runs=${KESTRUM_BENCH_RUNS:-5}
[ -x "$client" ] || { echo "no FTP client at $client: build first" >&2; exit 1; }
command -v curl >/dev/null || { echo "curl is missing (package curl)" >&2; exit 1; }

timer=/usr/bin/time
if [ ! -x "$timer" ]; then
  echo "note: /usr/bin/time is missing (package time): peak RSS not measured"
  timer=
fi

# A RAM-backed directory keeps the disk from being what is measured.
base=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && base=/dev/shm
work=$(mktemp -d "$base/kestrum-bench-ftp.XXXXXX")
server_pid=
cleanup() {
  [ -n "$server_pid" ] && "$here/vsftpd-server.sh" stop "$server_pid"
  rm -rf "$work"
}
trap cleanup EXIT

read -r address server_pid < <("$here/vsftpd-server.sh" start "$work/server" 1800)
root=$work/server/root
mkdir -p "$work/files"
cd "$work/files"
head -c 1024 /dev/urandom >1KiB.bin
head -c $((1024 * 1024)) /dev/urandom >1MiB.bin
# 1 GiB of real (non-sparse) data, quickly: one random MiB repeated.
for _ in $(seq 1 1024); do cat 1MiB.bin; done >1GiB.bin

# run NAME TOOL: one upload; appends "seconds rss_kib" to $work/NAME.TOOL
run() {
  local name=$1 tool=$2 start end
  local cmd
  if [ "$tool" = kestrum ]; then
    printf 'anonymous\r\nx\r\nmput %s\r\ny\r\nquit\r\n' "$name" >"$work/cmds.txt"
    cmd=("$client" "-s:$work/cmds.txt" "$address")
  else
    cmd=(curl -sS -T "$name" "ftp://anonymous:x@$address/")
  fi
  rm -f "$root/$name"
  sync # the previous run's writeback must not land on this one
  start=$(date +%s%N)
  if [ -n "$timer" ]; then
    "$timer" -f %M -o "$work/rss" "${cmd[@]}" >/dev/null
  else
    "${cmd[@]}" >/dev/null; echo 0 >"$work/rss"
  fi
  end=$(date +%s%N)
  cmp -s "$name" "$root/$name" || { echo "$tool: $name did not arrive intact" >&2; exit 1; }
  rm -f "$root/$name"
  echo "$(( (end - start) / 1000 )) $(tail -n 1 "$work/rss")" >>"$work/$name.$tool"
}

calc() { awk "BEGIN { print $1 }"; }

median() { # COLUMN FILE
  awk -v c="$1" '{ print $c }' "$2" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

echo "FTP upload to vsftpd on $address, alternated runs ($runs of 1 GiB and 1 MiB, $((runs * 3)) of 1 KiB); medians"
for _ in $(seq 1 "$runs"); do
  run 1GiB.bin kestrum
  run 1GiB.bin curl
done
for _ in $(seq 1 $((runs * 3))); do
  run 1KiB.bin kestrum
  run 1KiB.bin curl
done
for _ in $(seq 1 "$runs"); do run 1MiB.bin kestrum; done

printf '\n%-9s %-8s %12s %12s %12s\n' file client "wall ms" "MB/s" "peak RSS KiB"
for name in 1KiB.bin 1MiB.bin 1GiB.bin; do
  bytes=$(stat -c %s "$name")
  for tool in kestrum curl; do
    [ -f "$work/$name.$tool" ] || continue
    us=$(median 1 "$work/$name.$tool")
    rss=$(median 2 "$work/$name.$tool")
    printf '%-9s %-8s %12.2f %12.1f %12s\n' "${name%.bin}" "$tool" "$(calc "$us / 1000")" \
      "$(calc "$bytes / $us")" "$rss"
    echo "$us $rss" >"$work/$name.$tool.median"
  done
done

read -r k1_us k1_rss <"$work/1KiB.bin.kestrum.median"
read -r c1_us _ <"$work/1KiB.bin.curl.median"
read -r kg_us kg_rss <"$work/1GiB.bin.kestrum.median"
read -r cg_us _ <"$work/1GiB.bin.curl.median"
read -r _ km_rss <"$work/1MiB.bin.kestrum.median"
echo
printf 'ratio to curl   1 GiB throughput %.2fx   1 KiB session time %.2fx\n' \
  "$(calc "$cg_us / $kg_us")" "$(calc "$k1_us / $c1_us")"
verdict() { if [ "$1" -eq 1 ]; then echo ok; else echo MISSED; fi; }
echo "throughput >= curl's:          $(verdict "$(calc "($kg_us <= $cg_us) ? 1 : 0")")"
echo "1 KiB session <= 1.2x curl's:  $(verdict "$(calc "($k1_us <= 1.2 * $c1_us) ? 1 : 0")")"
if [ -n "$timer" ]; then
  echo "peak RSS < 16 MiB:             $(verdict "$(( kg_rss < 16384 ))")"
  echo "RSS flat (1 MiB vs 1 GiB):     $(verdict "$(( kg_rss - km_rss < 1024 && km_rss - kg_rss < 1024 ))") ($km_rss vs $kg_rss KiB)"
fi
