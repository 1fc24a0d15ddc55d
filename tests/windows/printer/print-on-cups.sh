#!/usr/bin/env bash
# Prints the certificate on a real CUPS PDF queue, then on a queue that refuses jobs, then with
# CUPS out of reach. The CUPS is its own: a cupsd started here with its configuration, spool and
# socket in a private folder (never the machine's own cupsd, nor one another program can reach),
# stopped by its process id at the end.
# Usage: print-on-cups.sh <PrintingTest program>
set -euo pipefail
program=$1
queue=PDF
refusing=ScallywiseRefuses

run=$(mktemp -d /tmp/scallywise-printer.XXXXXX)
cupsd_pid=""
made_out=""
cleanup() {
  set +e
  if [[ -n $cupsd_pid ]]; then
    kill "$cupsd_pid"
    wait "$cupsd_pid" 2>/dev/null
  fi
  [[ -n $made_out ]] && rmdir "$out" 2>/dev/null  # only if the tests left it empty
  rm -rf "$run"
}
trap cleanup EXIT

if [[ $(id -u) -ne 0 ]]; then
  echo "skipped: only root may start a cupsd whose PDF queue writes into the job owner's home"
  exit 77
fi

# cupsd runs the filters as lp: they must reach the spool inside the private folder.
chmod 755 "$run"
cups=$run/cups
mkdir -p "$cups"/{etc,spool,cache,state,tmp,log}
chmod 755 "$cups"
chmod 1777 "$cups/tmp"  # the filters, running as lp, write their own files here
export CUPS_SERVER=$cups/cupsd.sock
cat >"$cups/etc/cups-files.conf" <<CONF
ServerRoot $cups/etc
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/state
TempDir $cups/tmp
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
User lp
Group lp
SystemGroup root
CONF
cat >"$cups/etc/cupsd.conf" <<CONF
Listen $CUPS_SERVER
LogLevel warn
PreserveJobFiles Yes
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cupsd -f -c "$cups/etc/cupsd.conf" -s "$cups/etc/cups-files.conf" &
cupsd_pid=$!
cups_running() { lpstat -r 2>/dev/null | grep -q 'is running'; }
for _ in $(seq 100); do cups_running && break; sleep 0.05; done
cups_running || { cat "$cups/log/error_log" >&2 2>/dev/null; echo "cupsd did not start" >&2; exit 1; }

lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
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
SCALLYWISE_PDF_OUT="$out" SCALLYWISE_JOB_FILES="$cups/spool" "$program" --gtest_filter='RealPrinter.*'

echo "== a default printer that refuses jobs"
lpadmin -p "$refusing" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
cupsreject "$refusing"
PRINTER="$refusing" SCALLYWISE_REFUSING_PRINTER="$refusing" "$program" --gtest_filter='RefusingPrinter.*'

echo "== no printer at all"
mkdir -p "$run/home/Documents"
CUPS_SERVER="$run/nothing-listens-here.sock" HOME="$run/home" XDG_CONFIG_HOME="$run/home/.config" \
  SCALLYWISE_NO_PRINTER=1 "$program" --gtest_filter='NoPrinter.*'
