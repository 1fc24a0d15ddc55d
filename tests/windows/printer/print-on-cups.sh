#!/usr/bin/env bash
# Prints the certificate on a real CUPS PDF queue, then on a queue that refuses jobs, then with
# CUPS out of reach. Starts cupsd only if none is running and undoes only what it did itself.
# Usage: print-on-cups.sh <PrintingTest program>
set -euo pipefail
program=$1
queue=PDF
refusing=ScallywiseRefuses

run=$(mktemp -d /tmp/scallywise-printer.XXXXXX)
cupsd_pid=""
made_queue=""
made_out=""
previous_default=""
cleanup() {
  set +e
  lpadmin -x "$refusing" 2>/dev/null
  if [[ -n $made_queue ]]; then
    lpadmin -x "$queue"
  elif [[ -n $previous_default && $previous_default != "$queue" ]]; then
    lpadmin -d "$previous_default"
  fi
  if [[ -n $cupsd_pid ]]; then
    kill "$cupsd_pid"
    wait "$cupsd_pid" 2>/dev/null
  fi
  [[ -n $made_out ]] && rmdir "$out" 2>/dev/null  # only if the tests left it empty
  rm -rf "$run"
}
trap cleanup EXIT

cups_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }

if ! cups_running; then
  if [[ $(id -u) -ne 0 ]]; then
    echo "skipped: no cupsd is running, and only root may start one and set the default printer"
    exit 77
  fi
  cupsd -f &  # in the foreground of a background job, so that its pid is ours to stop
  cupsd_pid=$!
  for _ in $(seq 100); do cups_running && break; sleep 0.05; done
  cups_running || { echo "cupsd did not start" >&2; exit 1; }
fi

previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
  made_queue=yes
fi
lpadmin -d "$queue"
cupsenable "$queue"
cupsaccept "$queue"

# cups-pdf writes into the home of the job's owner, by its configuration's Out line.
owner_home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$owner_home}
out=${out//'${USER}'/$(id -un)}
if [[ ! -d $out ]]; then
  mkdir -p "$out"
  made_out=yes
fi

export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96
export XDG_RUNTIME_DIR="$run/xdg"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

echo "== the default printer: $queue, pages in $out"
SCALLYWISE_PDF_OUT="$out" "$program" --gtest_filter='RealPrinter.*'

echo "== a default printer that refuses jobs"
lpadmin -p "$refusing" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
cupsreject "$refusing"
PRINTER="$refusing" SCALLYWISE_REFUSING_PRINTER="$refusing" "$program" --gtest_filter='RefusingPrinter.*'

echo "== no printer at all"
mkdir -p "$run/home/Documents"
CUPS_SERVER="$run/nothing-listens-here.sock" HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" \
  SCALLYWISE_NO_PRINTER=1 "$program" --gtest_filter='NoPrinter.*'
