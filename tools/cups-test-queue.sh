#!/usr/bin/env bash
# Starts the CUPS scheduler when it is not running and adds a queue,
# TavrilonTestQueue, that prints into PDF files (cups-pdf), for the
# end-to-end printing tests. Prints the folder where the queue's files land
# (cups-pdf's "Out" setting, as configured), and fails when there is no queue.
set -euo pipefail
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || exit 1
  sudo="sudo"
fi
# lpstat -r exits 0 also when it says "scheduler is not running": ask its words.
running() { lpstat -r 2>/dev/null | grep -q '^scheduler is running'; }
if ! running; then
  $sudo cupsd
  for _ in $(seq 50); do running && break; sleep 0.1; done
fi
running || { echo "The CUPS scheduler could not be started." >&2; exit 1; }
if ! lpstat -p TavrilonTestQueue >/dev/null 2>&1; then
  $sudo lpadmin -p TavrilonTestQueue -v cups-pdf:/ \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
fi
lpstat -p TavrilonTestQueue >/dev/null 2>&1
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$HOME}
out=${out//'${USER}'/$(id -un)}
echo "$out"
