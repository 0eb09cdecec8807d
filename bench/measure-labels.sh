#!/usr/bin/env bash
# Measures `tavrilon-batch labels` (Default design, stock 5160, to PDF) over
# a generated log of 10,000 contacts beside bench/bare-painter-bench drawing
# the same texts with QPainter alone. Best of three runs each; peak memory
# from /usr/bin/time. Builds nothing: BUILD is a Release build with the
# benches on. Run from the source folder.
# Usage: bench/measure-labels.sh BUILD WORKDIR [CONTACTS]
set -euo pipefail
build=${1:-build-rel}
work=${2:-/tmp/tavrilon-labels-bench}
n=${3:-10000}
export QT_QPA_PLATFORM=offscreen

. bench/best-of-three.sh

# First-run settings: the Default design.
program_folder
log=$(generated_log "$n")

read -r bareT bareM <<< "$(best "$build/bench/bare-painter-bench" "$log" "$work/bare.pdf")"
read -r runT runM <<< "$(best "$program/tavrilon-batch" labels "$log" --pdf "$work/labels.pdf" \
  --stock 5160)"
pages=$(pdfinfo "$work/labels.pdf" 2>/dev/null | awk '/^Pages:/{print $2}')

printf "| labels | pages | what | seconds | labels/s | peak memory (MB) | × bare loop |\n"
printf "|---|---|---|---|---|---|---|\n"
row() {
  awk -v n="$n" -v p="${pages:-?}" -v what="$1" -v t="$2" -v m="$3" -v f="$bareT" 'BEGIN{
    printf "| %d | %s | %s | %.2f | %.0f | %.1f | %.1f |\n", n, p, what, t, n/t, m/1024, t/f }'
}
row "bare QPainter loop (bench/bare-painter-bench)" "$bareT" "$bareM"
row "tavrilon-batch labels --pdf" "$runT" "$runM"
