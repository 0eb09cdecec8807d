#!/usr/bin/env bash
# Measures the reader over generated logs of 100,000 and 1,000,000 contacts:
# tavrilon-batch read (JSON to /dev/null), read --count, the reader alone by
# both paths, and the floor of scanning the bytes for "<EOR>". Best of three
# runs each; peak memory from /usr/bin/time. Usage: bench/measure-reader.sh
# BUILD BENCH_BUILD WORKDIR
set -euo pipefail
build=${1:-build}
bench=${2:-build-bench}
work=${3:-/tmp/tavrilon-bench}
mkdir -p "$work"
dict=data/tvadif.txt

. bench/best-of-three.sh

printf "| contacts | MB | what | seconds | contacts/s | MB/s | peak memory (MB) | × floor |\n"
printf "|---|---|---|---|---|---|---|---|\n"
for n in 100000 1000000; do
  log="$work/log-$n.adi"
  [ -f "$log" ] || "$bench/bench/generate-log" "$n" "$log"
  mb=$(awk "BEGIN{printf \"%.0f\", $(stat -c %s "$log")/1e6}")
  cat "$log" > /dev/null  # warm the page cache: every row reads from memory
  read -r floorT floorM <<< "$(best "$bench/bench/reader-bench" floor "$log" "$dict")"
  row() {
    local what=$1 t=$2 m=$3
    awk -v n="$n" -v mb="$mb" -v what="$what" -v t="$t" -v m="$m" -v f="$floorT" 'BEGIN{
      printf "| %d | %d | %s | %.3f | %.0f | %.0f | %.1f | %.1f |\n", n, mb, what, t, n/t, mb/t, m/1024, t/f }'
  }
  row "floor: scan bytes for <EOR> (memchr)" "$floorT" "$floorM"
  read -r t m <<< "$(best "$bench/bench/reader-bench" reader "$log" "$dict")"; row "reader alone, logbook path" "$t" "$m"
  read -r t m <<< "$(best "$bench/bench/reader-bench" labels "$log" "$dict")"; row "reader alone, label path" "$t" "$m"
  read -r t m <<< "$(best "$build/bin/tavrilon-batch" read --count "$log")"; row "tavrilon-batch read --count" "$t" "$m"
  read -r t m <<< "$(best "$build/bin/tavrilon-batch" read "$log")"; row "tavrilon-batch read (JSON to /dev/null)" "$t" "$m"
done
