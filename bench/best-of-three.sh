# Sourced by the measuring scripts; $work is their scratch folder.
best() {  # command... -> "seconds peak_kb" of the fastest of three runs
  local bestTime="" bestMem=""
  for _ in 1 2 3; do
    local start end m t
    start=$(date +%s%N)
    /usr/bin/time -o "$work/time.txt" -f "%M" "$@" > /dev/null 2>/dev/null
    end=$(date +%s%N)
    m=$(tail -1 "$work/time.txt")
    t=$(awk "BEGIN{printf \"%.3f\", ($end - $start) / 1e9}")
    if [ -z "$bestTime" ] || awk "BEGIN{exit !($t < $bestTime)}"; then bestTime=$t; bestMem=$m; fi
  done
  echo "$bestTime $bestMem"
}
