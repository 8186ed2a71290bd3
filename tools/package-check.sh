#!/usr/bin/env bash
# Checks what the Debian package installs, then packs it and runs both programs from
# the unpacked package: the desktop entry, the AppStream metainfo, the MIME type, the
# manual page, the package's Depends and its file list.
#   tools/package-check.sh [BUILD]   BUILD: a configured and built tree (default build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
app_id=io.github.korvane.korvane
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "package-check: $*" >&2
    exit 1
}

# --- The package -------------------------------------------------------------------
rm -f "$build"/korvane_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$build"/korvane_*.deb)
echo "== $(basename "$deb")"
dpkg-deb -I "$deb" >"$work/info"
depends=$(sed -n 's/^ Depends: //p' "$work/info")
echo "Depends: $depends"
for needed in "fonts-wqy-microhei | fonts-noto-cjk" qt6-translations-l10n libqt6widgets6 \
              libqt6gui6 libqt6svg6 libstdc++6; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done
grep -q '^ Section: science$' "$work/info" || fail "section is not science"

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for file in usr/bin/korvane usr/bin/korvane-calc \
            "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
            usr/share/mime/packages/korvane.xml usr/share/icons/hicolor/scalable/apps/korvane.svg \
            usr/share/icons/hicolor/256x256/apps/korvane.png usr/share/man/man1/korvane-calc.1.gz \
            usr/share/doc/korvane/copyright; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
file "$root/usr/bin/korvane" "$root/usr/bin/korvane-calc" | grep -v ', stripped' &&
    fail "a program is not stripped"

# --- Desktop entry, metainfo, MIME type, manual page --------------------------------
desktop-file-validate "$share/applications/$app_id.desktop"
# The metainfo with the desktop entry it launches, as a software centre reads them.
appstreamcli validate-tree --no-net --pedantic "$root"
xmllint --noout "$share/mime/packages/korvane.xml"
mkdir -p "$work/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/korvane.xml" "$work/mime/packages/"
PKGSYSTEM_ENABLE_FSYNC=0 update-mime-database "$work/mime" >"$work/mime.log" 2>&1 ||
    { cat "$work/mime.log"; fail "update-mime-database refused the MIME type"; }
grep -qx 'application/x-korvane-case:\*.korvane' "$work/mime/globs" || fail "*.korvane is not a case"
grep -qx 'application/x-korvane-case application/json' "$work/mime/subclasses" ||
    fail "a case is not JSON"
zcat "$share/man/man1/korvane-calc.1.gz" | groff -k -man -Tutf8 -ww -z 2>"$work/man.log"
[ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "the manual page has troff warnings"; }

# --- The programs, from the unpacked package ---------------------------------------
"$root/usr/bin/korvane-calc" --demo >/dev/null || fail "korvane-calc --demo failed"
# The desktop program keeps its launcher open until closed: ending by the timeout
# (status 124) is the success; anything earlier is a failure. On a busy machine it is
# given longer to come up (KORVANE_START_SECONDS, default 4).
start_desktop() {
    local status=0
    QT_QPA_PLATFORM=offscreen timeout "${KORVANE_START_SECONDS:-4}" "$root/usr/bin/korvane" \
        2>"$work/korvane.log" || status=$?
    [ "$status" -eq 124 ] || { cat "$work/korvane.log"; fail "korvane ended with status $status"; }
}
start_desktop
grep -q 'No Chinese font' "$work/korvane.log" && fail "korvane found no Chinese font"
# Again with Latin fonts only: the program must say what to install.
cat >"$work/latin-fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$work/fc-cache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE=$work/latin-fonts.conf start_desktop
grep -q 'sudo apt install fonts-wqy-microhei' "$work/korvane.log" ||
    fail "without a Chinese font korvane did not say what to install"
echo "package-check: $(basename "$deb") passed"
