# Sourced by the book printing test: a private CUPS scheduler in a temporary
# configuration on a socket of its own (CUPS_SERVER points the clients
# there), so the machine's own queues are neither used nor changed, with a
# cups-pdf queue as the default printer.
#   work=... ; source private_cups.sh ; start_private_cups ; new_pdfs
# Sets cupsd_pid and `out` (the folder cups-pdf writes into); new_pdfs
# lists the PDFs written there since start_private_cups.

start_private_cups() {
  mkdir -p "$work"/cups/{conf/ppd,conf/ssl,spool,cache,state,tmp,log}
  chmod 755 "$work"
  chmod 1777 "$work/cups/tmp"
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
