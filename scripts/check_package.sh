#!/usr/bin/env bash
# The packaging checks of the test command:
#   - an install into a temporary DESTDIR holds exactly the files an
#     installation needs, and the Debian package holds the same files;
#   - desktop-file-validate and appstreamcli validate --no-net pass on the
#     installed desktop entry and AppStream data;
#   - the installed MIME package gives "*.gdr" files the type
#     application/x-gridora, and the type's icon and default program are ours;
#   - the version is the same in CMake, the AppStream releases, the Debian
#     changelog and the manual pages;
#   - lintian reports no errors on the package (its warnings are printed).
# Builds the package first (scripts/package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(bash scripts/package.sh | tail -1)
build_dir=$(dirname "$deb")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

echo "== Install into a temporary DESTDIR"
DESTDIR=$work/root cmake --install "$build_dir" --prefix /usr >/dev/null
usr=$work/root/usr

expected=$work/expected.txt
{
  echo games/gridora
  echo games/gridora-solve
  # The PDF module gridora-solve --book loads.
  echo "lib/$(gcc -print-multiarch)/gridora/gridora-pdf.so"
  (cd data && find . -type f | sed 's|^\./|share/gridora/|')
  echo share/applications/org.gridora.Gridora.desktop
  echo share/metainfo/org.gridora.Gridora.metainfo.xml
  echo share/mime/packages/org.gridora.Gridora.xml
  for size in 16 22 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${size}x${size}/apps/org.gridora.Gridora.png"
    echo "share/icons/hicolor/${size}x${size}/mimetypes/application-x-gridora.png"
  done
  echo share/icons/hicolor/scalable/apps/org.gridora.Gridora.svg
  echo share/icons/hicolor/scalable/mimetypes/application-x-gridora.svg
  echo share/man/man6/gridora.6.gz
  echo share/man/man6/gridora-solve.6.gz
  echo share/doc/gridora/copyright
  echo share/doc/gridora/changelog.gz
} | sort >"$expected"
(cd "$usr" && find . -type f | sed 's|^\./||' | sort) >"$work/installed.txt"
if ! diff -u "$expected" "$work/installed.txt"; then
  fail "the installation does not hold exactly the expected files"
fi
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | sort >"$work/deb.txt"
if ! diff -u "$expected" "$work/deb.txt"; then
  fail "the package does not hold exactly the expected files"
fi
echo "$(wc -l <"$expected") files, in the install and in the package"

echo "== Desktop entry and AppStream data"
desktop-file-validate "$usr/share/applications/org.gridora.Gridora.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/org.gridora.Gridora.metainfo.xml" ||
  fail "appstreamcli validate"

echo "== MIME type, icon and default program in a desktop of the installed files"
mkdir -p "$work/home/share" "$work/home/config"
cp -r "$usr/share" "$work/system"
# GIO skips an entry whose program is missing: the copy starts the program
# of the temporary install.
sed -i "s|^Exec=/usr/|Exec=$usr/|" "$work/system/applications/org.gridora.Gridora.desktop"
# What the triggers of shared-mime-info and desktop-file-utils do on install.
update-mime-database "$work/system/mime" >/dev/null 2>&1
update-desktop-database "$work/system/applications"
cp tests/data/golden9.gdr "$work/puzzle.gdr"
desktop_env=(env -i PATH="$PATH" HOME="$work/home" XDG_DATA_HOME="$work/home/share"
  XDG_CONFIG_HOME="$work/home/config" XDG_DATA_DIRS="$work/system"
  XDG_CONFIG_DIRS="$work/home/config" GIO_USE_VFS=local)
info=$("${desktop_env[@]}" gio info -a standard::content-type,standard::icon "$work/puzzle.gdr")
grep -q "standard::content-type: application/x-gridora" <<<"$info" ||
  fail "*.gdr is not application/x-gridora: $info"
grep -q "standard::icon: application-x-gridora" <<<"$info" ||
  fail "the type's icon is not application-x-gridora: $info"
[ -f "$work/system/icons/hicolor/48x48/mimetypes/application-x-gridora.png" ] ||
  fail "no icon for the type"
default=$("${desktop_env[@]}" gio mime application/x-gridora)
grep -q "Default application for .application/x-gridora.: org.gridora.Gridora.desktop" \
  <<<"$default" || fail "the installed desktop entry does not open the type: $default"

echo "== Versions"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
news=$(grep -o '<release version="[^"]*"' "$usr/share/metainfo/org.gridora.Gridora.metainfo.xml" |
  head -1 | cut -d'"' -f2)
changelog=$(zcat "$usr/share/doc/gridora/changelog.gz" | head -1 | sed 's/.*(\(.*\)).*/\1/')
[ "$news" = "$version" ] || fail "AppStream's newest release is $news, the project $version"
[ "$changelog" = "$version" ] || fail "the changelog is at $changelog, the project $version"
for page in gridora gridora-solve; do
  zcat "$usr/share/man/man6/$page.6.gz" | grep -q "^\.TH .* \"Gridora $version\"" ||
    fail "the manual page $page does not name version $version"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version"
echo "version $version"

echo "== Package control"
dpkg-deb -f "$deb" Package Version Architecture Section Depends Recommends
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libglib2.0-0 fonts-ipafont-gothic fonts-ipafont-mincho qt6-qpa-plugins; do
  grep -q "$need" <<<"$depends" || fail "Depends lacks $need"
done
[ -z "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'postinst|prerm|postrm|preinst')" ] ||
  fail "the package has maintainer scripts"

echo "== lintian"
lintian_out=$(lintian --tag-display-limit 0 --display-info "$deb" 2>&1 || true)
[ -n "$lintian_out" ] && echo "$lintian_out"
if grep -q '^E: ' <<<"$lintian_out"; then
  fail "lintian reports errors"
fi
echo "lintian: $(grep -c '^E: ' <<<"$lintian_out" || true) errors, $(grep -c '^W: ' <<<"$lintian_out" || true) warnings"

if [ "$failures" -gt 0 ]; then
  echo "== $failures packaging checks failed" >&2
  exit 1
fi
echo "== Packaging checks passed: $deb"
