#!/usr/bin/env bash
# Measures the custom label designs: `tavrilon-batch labels` over a generated
# log of 10,000 contacts in a design that uses all fifteen fields, beside the
# Default design on the same log, both to PDF on stock 5160; the sort of
# 1,000,000 records by call (bench/sort-bench); and one preview page
# (`tavrilon-batch preview`, the whole program). Best of three runs each;
# peak memory from /usr/bin/time. Builds nothing: BUILD is a Release build
# with the benches on. Run from the source folder.
# Usage: bench/measure-designs.sh BUILD WORKDIR
set -euo pipefail
build=${1:-build-rel}
work=${2:-/tmp/tavrilon-designs-bench}
export QT_QPA_PLATFORM=offscreen

. bench/best-of-three.sh

program_folder
log=$(generated_log 10000)
big=$(generated_log 1000000)

# Design 1: fifteen fields in three columns, one of them a condition, one
# contact per label, portrait.
{
  printf '[Custom Label Layout-1]\nName=Bench\nMultiLines=1\nMultiDx=0.15\nOrientation=Port\n'
  i=1
  for f in CALL QSO_DATE TIME_ON BAND MODE RST_SENT RST_RCVD FREQ NAME QTH GRIDSQUARE TX_PWR \
           COMMENT OPERATOR QSL_RCVD; do
    printf 'Field%dADIF=%s\nField%dLabel=%s:^\nField%dHoriz=%s\nField%dVert=%s\n' \
      "$i" "$f" "$i" "${f:0:3}" "$i" "$(awk -v i="$i" 'BEGIN{printf "%.2f", 0.05 + (i % 3) * 0.9}')" \
      "$i" "$(awk -v i="$i" 'BEGIN{printf "%.2f", 0.05 + int(i / 3) * 0.17}')"
    printf 'Field%dFontName=Arial\nField%dFontSize=7\nField%dFontBold=%s\n' "$i" "$i" "$i" \
      "$([ $((i % 4)) -eq 0 ] && echo True || echo False)"
    i=$((i + 1))
  done
  printf 'Field15Condition=QSL_RCVD|Equal|Y|TNX^|PSE^\n'
} > "$program/tavrilon.ini"

read -r defT defM <<< "$(best "$program/tavrilon-batch" labels "$log" --pdf "$work/default.pdf" \
  --stock 5160 --design DEFAULT)"
read -r cusT cusM <<< "$(best "$program/tavrilon-batch" labels "$log" --pdf "$work/custom.pdf" \
  --stock 5160 --design CUSTOM1)"
read -r preT preM <<< "$(best "$program/tavrilon-batch" preview "$log" --image "$work/page.bmp" \
  --stock 5160 --design CUSTOM1)"

printf "| what | seconds | peak memory (MB) | × Default |\n|---|---|---|---|\n"
row() {
  awk -v what="$1" -v t="$2" -v m="$3" -v d="$defT" 'BEGIN{
    printf "| %s | %.2f | %.1f | %.2f |\n", what, t, m/1024, t/d }'
}
row "10,000 labels, Default design" "$defT" "$defM"
row "10,000 labels, custom design of 15 fields" "$cusT" "$cusM"
row "one preview page (the whole program)" "$preT" "$preM"

printf "\nsort of 1,000,000 records (%s MB log): records, log MB, load s, sort s, write s\n" \
  "$(du -m "$big" | cut -f1)"
/usr/bin/time -o "$work/time.txt" -f "%M" "$build/bench/sort-bench" "$big" data/tvadif.txt "$work"
echo "peak memory: $(awk '{printf "%.1f", $1/1024}' "$work/time.txt") MB"
