#!/usr/bin/env bash
# Makes the Debian package of this build's edition, unpacks it into a temporary root (dpkg -x) and
# runs the installed velmora-calc and the program's start-up report from there.
#   install_test.sh BUILD_DIR PACKAGE
set -euo pipefail
build=$1
package=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
started=$(date +%s%N)
fail() { echo "package test: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(find "$work/out" -name "${package}_*.deb" | head -1)
[ -n "$deb" ] || fail "no ${package}_*.deb made"
packed=$(date +%s%N)

# The control data: the edition's name, the other editions excluded, the libraries found.
[ "$(dpkg-deb -f "$deb" Package)" = "$package" ] || fail "wrong package name"
for other in velmora-de velmora-en velmora-fr velmora-nl; do
  [ "$other" = "$package" ] && continue
  dpkg-deb -f "$deb" Conflicts | grep -q "$other" || fail "does not conflict with $other"
  dpkg-deb -f "$deb" Replaces | grep -q "$other" || fail "does not replace $other"
done
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || fail "Depends lacks the Qt libraries: $(dpkg-deb -f "$deb" Depends)"

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=org.velmora.Velmora
for file in usr/bin/velmora usr/bin/velmora-calc usr/lib/velmora/velmora usr/lib/velmora/velmora-calc \
  usr/lib/velmora/varglob.gru usr/lib/velmora/varsonst.gru usr/lib/velmora/elemente.gru usr/lib/velmora/1601.bmp \
  usr/lib/velmora/velmora.png usr/lib/velmora/help/index.html usr/lib/velmora/help/elements-09.html \
  usr/lib/velmora/help/pictures/2601.png usr/lib/velmora/help/help.css \
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml usr/share/mime/packages/$id.xml \
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/16x16/apps/$id.png \
  usr/share/icons/hicolor/256x256/apps/$id.png usr/share/doc/$package/copyright; do
  [ -e "$root/$file" ] || fail "$file missing"
done
[ "$(readlink "$root/usr/bin/velmora")" = "../lib/velmora/velmora" ] || fail "the launcher is no relative link"
grep -q "application/x-velmora-project" "$root/usr/share/applications/$id.desktop" || fail "desktop file opens no projects"
grep -q '\*\.vlm' "$root/usr/share/mime/packages/$id.xml" || fail "no .vlm file type"
grep -q '\*\.psa' "$root/usr/share/mime/packages/$id.xml" || fail "no .psa file type"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$root/usr/share/applications/$id.desktop"; fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log"; fail "AppStream metadata not valid"; }
fi

# The installed programs, found on the PATH, with a home of their own.
export PATH="$root/usr/bin:$PATH" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
answer=$(velmora-calc element ElementGroup=1 ElementKind=1 Input1=100 Input2=10 Input6=0.1 VolumeFlow=36 \
  Density=998.2 Viscosity=1002) || fail "velmora-calc element failed"
echo "$answer" | grep -q '"PressureLoss":' || fail "velmora-calc gave no pressure loss: $answer"
echo "$answer" | grep -q '"Error":null' || fail "velmora-calc failed: $answer"
velmora-calc --version | grep -q . || fail "velmora-calc --version says nothing"
VELMORA_STARTUP_REPORT=1 velmora 2>"$work/report.log" || { cat "$work/report.log"; fail "velmora did not start"; }
grep -q "main window shown after" "$work/report.log" || { cat "$work/report.log"; fail "no start-up report"; }
done_at=$(date +%s%N)
echo "package test: $(basename "$deb") made in $(((packed - started) / 1000000)) ms, checked and run in $(((done_at - packed) / 1000000)) ms"
echo "$(grep "main window shown after" "$work/report.log")"
