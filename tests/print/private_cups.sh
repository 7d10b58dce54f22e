# Sourced by the printing tests: everything they share to print from
# Gridora's window through a real CUPS queue.
#  - a work folder removed at the end, with the scheduler, the display and
#    the program stopped;
#  - start_private_cups: a private CUPS scheduler in a temporary
#    configuration on a socket of its own (CUPS_SERVER points the clients
#    there), so the machine's own queues are neither used nor changed, with
#    a cups-pdf queue as the default printer; sets `out` (the folder
#    cups-pdf writes into), and new_pdfs lists the PDFs written there since;
#  - start_display: a virtual X display, HOME and the settings of a user
#    who has run the program before;
#  - window_named, and wait_pdf for the PDF of a job that has left the queue.
# Needs root (cupsd and the cups-pdf backend), as CI has; otherwise the
# test exits 77 (skipped).
#   here=$(cd "$(dirname "$0")" && pwd); source "$here/private_cups.sh"
#   start_private_cups || fail "..."; start_display; "$gridora" &; app_pid=$!

if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: needs root to run cupsd and the cups-pdf backend"
  exit 77
fi
for tool in cupsd lpadmin lpstat pdftoppm pdfinfo Xvfb xdotool xwd; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/setup.sh --deps)"; exit 1; }
done

work=$(mktemp -d /tmp/gridora-print-XXXXXX)
chmod 755 "$work"  # the filters run as lp and read the spool
cupsd_pid=""
xvfb_pid=""
app_pid=""
cleanup() {
  for pid in $app_pid $cupsd_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*"
  for log in "$work"/cups/log/error_log "$work"/app.log; do
    [ -s "$log" ] && { echo "--- $log"; tail -20 "$log"; }
  done
  exit 1
}

start_private_cups() {
  mkdir -p "$work"/cups/{conf/ppd,conf/ssl,spool,cache,state,tmp,log}
  chmod 1777 "$work/cups/tmp"  # the filters write their temporary files here
  cat >"$work/cups/conf/cupsd.conf" <<CONF
Listen $work/cups/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
DefaultPolicy open
<Policy open>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  cat >"$work/cups/conf/cups-files.conf" <<CONF
ServerRoot $work/cups/conf
RequestRoot $work/cups/spool
CacheDir $work/cups/cache
StateDir $work/cups/state
TempDir $work/cups/tmp
ErrorLog $work/cups/log/error_log
AccessLog $work/cups/log/access_log
PageLog $work/cups/log/page_log
User lp
Group lp
SystemGroup root
CONF
  cupsd -f -c "$work/cups/conf/cupsd.conf" -s "$work/cups/conf/cups-files.conf" &
  cupsd_pid=$!
  export CUPS_SERVER=$work/cups/cups.sock
  for _ in $(seq 100); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
  lpstat -r >/dev/null 2>&1 || return 1
  # cups-pdf writes into the Out folder of /etc/cups/cups-pdf.conf, by
  # default ~/PDF of the user who printed; look there for files newer than
  # the mark.
  local home
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  out=$(awk '$1 == "Out" {print $2}' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
  out=${out:-'${HOME}/PDF'}
  out=${out//'${HOME}'/$home}
  touch "$work/mark"
  lpadmin -p GridoraPDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E || return 1
  lpadmin -d GridoraPDF
}

new_pdfs() { find "$out" -maxdepth 1 -name '*.pdf' -newer "$work/mark" 2>/dev/null || true; }

# Prints the PDF of the job sent last once it has left the queue and
# cups-pdf has finished writing it; fails when none comes.
wait_pdf() {
  local pdf=""
  for _ in $(seq 600); do
    pdf=$(new_pdfs | head -1)
    [ -n "$pdf" ] && [ -z "$(lpstat -o GridoraPDF 2>/dev/null)" ] && break
    sleep 0.1
  done
  [ -n "$pdf" ] || fail "no PDF appeared in $out"
  for _ in $(seq 100); do pdfinfo "$pdf" >/dev/null 2>&1 && break; sleep 0.2; done
  echo "$pdf"
}

start_display() {
  exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
  xvfb_pid=$!
  local number
  read -r -t 10 number <&3
  export DISPLAY=":$number"
  # The window goes to the X server above, also when the test command runs
  # everything else offscreen.
  unset QT_QPA_PLATFORM
  export HOME=$work/home XDG_CONFIG_HOME=$work/config
  mkdir -p "$XDG_CONFIG_HOME/gridora" "$HOME"
  cp "$here/../data/settings/fresh_after_quit.ini" "$XDG_CONFIG_HOME/gridora/Gridora.ini"
}

window_named() {  # waits up to $2 seconds (60) for a visible window whose name matches $1
  local id=""
  for _ in $(seq $((${2:-60} * 10))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
