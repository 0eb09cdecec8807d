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

# A program folder of its own in $work: tavrilon-batch of $build with the
# dictionary beside it and no settings file yet.
program_folder() {
  program="$work/program"
  rm -rf "$program"
  mkdir -p "$program"
  cp "$build/bin/tavrilon-batch" "$program/"
  cp data/tvadif.txt "$program/"
}

# The generated log of $1 contacts in $work, made once.
generated_log() {
  local log="$work/log-$1.adi"
  [ -f "$log" ] || "$build/bench/generate-log" "$1" "$log"
  echo "$log"
}
