#!/usr/bin/env bash
# The Debian package as a user gets it: built by "cpack -G DEB" from this build
# folder, everything in its place under /usr, what the programs link among its
# Depends, no lintian error; apt installs it, the installed programs run, the
# desktop files pass their validators, and "apt-get remove" takes it all away.
#
#   tests/package_test.sh BUILD-FOLDER VERSION
#
# It installs into the system: without root or apt it skips (exit 77), and
# when Tarvell Recorder is in /usr already, which it must not replace.
# Whatever it installed it removes, also when a check fails.
set -euo pipefail
build=$1 version=$2

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
status() { dpkg-query -W -f='${db:Status-Status}' tarvell-recorder 2>/dev/null || true; }

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v apt-get >/dev/null && command -v dpkg >/dev/null || skip "no apt on this system"
case "$(status)" in "" | not-installed) ;; *) skip "tarvell-recorder is $(status) already; apt remove it" ;; esac
[ ! -e /usr/bin/tarvell-recorder ] && [ ! -e /usr/bin/tarvell-rec ] || skip "/usr/bin/tarvell-* exist already"
for tool in cpack dpkg-shlibdeps lintian appstreamcli desktop-file-validate readelf file; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/deps.sh --tests"
done

work=$(mktemp -d /tmp/tarvell-package-XXXXXX)
installed=0
cleanup() {
  [ $installed -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get remove -y -q tarvell-recorder >/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

echo "== cpack -G DEB"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
debs=("$work"/out/tarvell-recorder_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single tarvell-recorder_*.deb: ${debs[*]}"
deb=${debs[0]}
dpkg-deb -f "$deb"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version"-* ]] || fail "version is not $version-*"

# Every file under /usr, and the files a user and Debian look for in their places.
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -v '^\./$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
dpkg-deb -x "$deb" "$work/root"
u=$work/root/usr
for f in bin/tarvell-recorder bin/tarvell-rec \
         share/man/man1/tarvell-rec.1.gz share/man/man1/tarvell-recorder.1.gz \
         share/applications/tarvell-recorder.desktop share/metainfo/tarvell-recorder.metainfo.xml \
         share/tarvell-recorder/help/index.html share/tarvell-recorder/help/update.html \
         share/tarvell-recorder/skin.cjstyles share/tarvell-recorder/skin-images/down-arrow.png \
         share/doc/tarvell-recorder/copyright share/doc/tarvell-recorder/changelog.Debian.gz \
         share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/tarvell-recorder.png; do
  [ -f "$u/$f" ] || fail "the package has no /usr/$f"
done

# Stripped, and each library a program links comes from a package named in Depends.
depends=$(dpkg-deb -f "$deb" Depends | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//')
for p in gstreamer1.0-plugins-base gstreamer1.0-plugins-good; do
  grep -qx "$p" <<<"$depends" || fail "Depends lacks $p"
done
for prog in tarvell-recorder tarvell-rec; do
  file -b "$u/bin/$prog" | grep -q ', stripped' || fail "$prog is not stripped"
  for lib in $(readelf -d "$u/bin/$prog" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    owners=$(dpkg -S "*/$lib" 2>/dev/null | cut -d: -f1 | sort -u)
    [ -n "$owners" ] || fail "no installed package holds $lib, which $prog links"
    grep -qxF -f <(echo "$owners") <<<"$depends" || fail "$prog links $lib ($owners), not in Depends"
  done
done

echo "== lintian"
lintian --fail-on error "$deb" || fail "lintian found errors"

echo "== apt-get install"
installed=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt-get install failed"; }
[ "$(status)" = installed ] || fail "not installed after apt-get install: $(status)"
files=$(dpkg-query -L tarvell-recorder)

/usr/bin/tarvell-rec --help | grep -- --list >/dev/null || fail "tarvell-rec --help failed"
/usr/bin/tarvell-rec --version | grep -F "$version" >/dev/null || fail "tarvell-rec --version does not say $version"
# Without a desktop the program says so and ends with 2: its libraries all load.
rc=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM /usr/bin/tarvell-recorder 2>"$work/gui.txt" || rc=$?
[ $rc -eq 2 ] || { cat "$work/gui.txt"; fail "/usr/bin/tarvell-recorder without a display ended with $rc, not 2"; }

# The id is the desktop entry's name, tarvell-recorder, which the program
# gives the desktop; AppStream prefers reverse-DNS ids, but only warns.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
  /usr/share/metainfo/tarvell-recorder.metainfo.xml || fail "appstreamcli validate failed"
release=$(grep -o '<release version="[^"]*"' /usr/share/metainfo/tarvell-recorder.metainfo.xml | head -1)
[ "$release" = "<release version=\"$version\"" ] || fail "the newest release in the metainfo is not $version: $release"
out=$(desktop-file-validate /usr/share/applications/tarvell-recorder.desktop 2>&1) && [ -z "$out" ] \
  || fail "desktop-file-validate: $out"

echo "== apt-get remove"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q tarvell-recorder >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt-get remove failed"; }
installed=0
case "$(status)" in "" | not-installed) ;; *) fail "still $(status) after apt-get remove" ;; esac
while IFS= read -r f; do
  [ -d "$f" ] || [ ! -e "$f" ] || fail "$f is left after apt-get remove"
done <<<"$files"
[ ! -e /usr/share/tarvell-recorder ] && [ ! -e /usr/share/doc/tarvell-recorder ] || fail "folders left behind"
echo "The package builds, installs, works and removes cleanly: $(basename "$deb"), $(stat -c %s "$deb") bytes"
