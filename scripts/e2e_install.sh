#!/usr/bin/env bash
# Gridora's package end to end, as a user meets it, on this machine (root):
#   1. build the package (scripts/package.sh) and install it with apt;
#   2. check what the package's triggers left: the MIME type of "*.gdr", the
#      default program for it, the icon in the icon cache;
#   3. under a virtual X display, open a ".gdr" file with `gio open` as a
#      file manager does, wait for the installed program's window and save
#      a screenshot of it (OUT/installed-gio-open.png);
#      then turn the ".gdr" association on and off in its settings dialog:
#      only the user's mimeapps.list changes, "Open with" lists it once;
#   4. run `gridora-solve --help` and `man gridora-solve`;
#   5. remove the package (purge) and check that nothing of it is left in
#      /usr, the desktop's caches included.
# The package is removed again on any exit, so it never stays installed.
# Refuses to run when a gridora package is already installed.
#   scripts/e2e_install.sh [OUT]      OUT defaults to build-e2e
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$(realpath -m "${1:-build-e2e}")
mkdir -p "$out"

if [ "$(id -u)" -ne 0 ]; then
  echo "Run as root: the package is installed and removed with apt." >&2
  exit 1
fi
if dpkg-query -W -f='${Status}' gridora 2>/dev/null | grep -q 'ok installed'; then
  echo "A gridora package is installed already; remove it first." >&2
  exit 1
fi
need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v xdotool >/dev/null || need+=(xdotool)
command -v xwd >/dev/null || need+=(x11-apps)
command -v man >/dev/null || need+=(man-db)
command -v gio >/dev/null || need+=(libglib2.0-bin)
if [ ${#need[@]} -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${need[@]}"
fi

step() { echo "== $*"; }
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

work=$(mktemp -d)
installed=""
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ -n "$installed" ]; then
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 purge -y -qq gridora \
      >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

leftovers() {
  find /usr -xdev -iname '*gridora*' 2>/dev/null
  grep -rl 'gridora' /usr/share/mime --include='*.xml' 2>/dev/null
  grep -l 'x-gridora' /usr/share/mime/mime.cache /usr/share/mime/globs2 \
    /usr/share/applications/mimeinfo.cache 2>/dev/null
  grep -al 'org.gridora.Gridora' /usr/share/icons/hicolor/icon-theme.cache 2>/dev/null
  true
}

step "Nothing of Gridora in /usr before"
before=$(leftovers)
[ -z "$before" ] || fail "already in /usr: $before"

step "Build the package"
deb=$(bash scripts/package.sh 2>/dev/null | tail -1)
echo "$deb"

step "apt-get install ./$(basename "$deb")"
cp "$deb" "$work/"
installed=yes
(cd "$work" && DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y \
  "./$(basename "$deb")") | grep -E '^(Setting up|Processing triggers|Unpacking)' || true
dpkg-query -W -f='${Package} ${Version} ${Status}\n' gridora
dpkg -L gridora | sort >"$work/files.txt"
echo "$(grep -c . "$work/files.txt") paths installed"

# A user of this machine: a home of their own, the PATH of a login.
user_env=(env -i HOME="$work/home" PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
  XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8)
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"

step "What the triggers did"
python3 scripts/make_sample_puzzles.py "$work" >/dev/null
type=$("${user_env[@]}" gio info -a standard::content-type "$work/sample9.gdr" |
  sed -n 's/ *standard::content-type: //p')
echo "type of sample9.gdr: $type"
[ "$type" = "application/x-gridora" ] || fail "*.gdr is $type"
default=$("${user_env[@]}" gio mime application/x-gridora | sed -n 1p)
echo "$default"
grep -q "org.gridora.Gridora.desktop" <<<"$default" || fail "no default program for the type"
if [ -f /usr/share/icons/hicolor/icon-theme.cache ]; then
  grep -aq org.gridora.Gridora /usr/share/icons/hicolor/icon-theme.cache &&
    echo "the icon cache holds org.gridora.Gridora" || fail "the icon cache lacks our icon"
fi

step "gio open sample9.gdr under a virtual display"
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp -noreset 2>/dev/null)
xvfb_pid=$!
read -r -t 10 number <&3
user_env+=(DISPLAY=":$number")
"${user_env[@]}" gio open "$work/sample9.gdr"
id=""
for _ in $(seq 150); do
  about=$("${user_env[@]}" xdotool search --name 'のバージョン情報$' 2>/dev/null | head -1 || true)
  # The first run greets the user; Enter closes the box.
  [ -n "$about" ] && "${user_env[@]}" xdotool windowfocus --sync "$about" key Return || true
  id=$("${user_env[@]}" xdotool search --onlyvisible --name '^Gridora$' 2>/dev/null | head -1 || true)
  [ -n "$id" ] && break
  sleep 0.2
done
if [ -z "$id" ]; then
  fail "no Gridora window appeared"
else
  app_pid=$("${user_env[@]}" xdotool getwindowpid "$id")
  echo "window $id of process $app_pid: $(readlink "/proc/$app_pid/exe")"
  tr '\0' ' ' <"/proc/$app_pid/cmdline"
  echo
  [ "$(readlink "/proc/$app_pid/exe")" = /usr/games/gridora ] || fail "not the installed program"
  grep -q "sample9.gdr" "/proc/$app_pid/cmdline" || fail "the file was not passed on"
  sleep 1
  eval "$("${user_env[@]}" xdotool getwindowgeometry --shell "$id")"
  "${user_env[@]}" xwd -root -silent |
    python3 "$root/scripts/xwd_to_png.py" "$out/installed-gio-open.png" "$X" "$Y" "$WIDTH" "$HEIGHT"
  echo "saved $out/installed-gio-open.png (${WIDTH}x${HEIGHT})"

  step "The association check box of the installed program"
  # Settings dialog, tab "その他", the check box, Ok: clicked as a user does.
  toggle_association() {
    "${user_env[@]}" xdotool windowfocus --sync "$id" key --clearmodifiers alt+o c
    local dialog=""
    for _ in $(seq 50); do
      dialog=$("${user_env[@]}" xdotool search --onlyvisible --name '^Option$' 2>/dev/null |
        head -1 || true)
      [ -n "$dialog" ] && break
      sleep 0.1
    done
    [ -n "$dialog" ] || { fail "no settings dialog"; return; }
    sleep 0.5
    "${user_env[@]}" xdotool mousemove --window "$dialog" 20 18 click 1 \
      key --delay 50 Right Right Right Right Right sleep 0.3 \
      mousemove --window "$dialog" 40 66 click 1 sleep 0.3 \
      mousemove --window "$dialog" 52 211 click 1
    sleep 0.5
  }
  home=$work/home
  # How often the type's registered programs ("Open with") name Gridora.
  listed() {
    "${user_env[@]}" gio mime application/x-gridora |
      awk '/^Registered/ { on = 1; next } /^Recommended/ { on = 0 }
           on && $1 == "org.gridora.Gridora.desktop" { n++ } END { print n + 0 }'
  }
  echo "listed before: $(listed) time(s) among the registered programs"
  toggle_association
  echo "mimeapps.list after on:"
  cat "$home/.config/mimeapps.list" 2>/dev/null || true
  [ "$(cat "$home/.config/mimeapps.list" 2>/dev/null)" = \
    $'[Default Applications]\napplication/x-gridora=org.gridora.Gridora.desktop' ] ||
    fail "on did not make Gridora the user's default"
  written=$(find "$home/.local/share" -type f 2>/dev/null | grep -i gridora || true)
  [ -z "$written" ] || fail "per-user files written: $written"
  echo "$("${user_env[@]}" xdg-mime query default application/x-gridora) is the default; listed" \
    "$(listed) time(s)"
  [ "$(listed)" = 1 ] || fail "Open with does not list Gridora once"
  toggle_association
  [ ! -e "$home/.config/mimeapps.list" ] || fail "off left $(cat "$home/.config/mimeapps.list")"
  echo "after off: no mimeapps.list; listed $(listed) time(s)"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
fi
kill "$xvfb_pid"
xvfb_pid=""

step "gridora-solve --help"
"${user_env[@]}" gridora-solve --help || fail "gridora-solve --help"

step "man gridora-solve"
manual=$("${user_env[@]}" MANPAGER=cat MANWIDTH=80 man gridora-solve 2>&1 || true)
head -12 <<<"$manual"
grep -q "gridora-solve - solve Number Place puzzles" <<<"$manual" || fail "no manual page"

step "apt-get purge gridora"
DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 purge -y gridora |
  grep -E '^(Removing|Purging|Processing triggers)' || true
installed=""
dpkg-query -W -f='${Status}\n' gridora 2>/dev/null | grep -q 'ok installed' && fail "still installed"

step "Nothing of Gridora left in /usr"
while read -r path; do
  [ -d "$path" ] && continue # shared folders such as /usr/share/icons stay
  [ -e "$path" ] && fail "left behind: $path"
done <"$work/files.txt"
after=$(leftovers)
[ -z "$after" ] || fail "left in /usr or its caches: $after"
echo "$(grep -c . "$work/files.txt") paths checked; the MIME, desktop and icon caches hold no trace"

if [ "$failures" -gt 0 ]; then
  echo "== $failures end-to-end checks failed"
  exit 1
fi
echo "== End to end passed"
