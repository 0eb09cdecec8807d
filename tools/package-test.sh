#!/usr/bin/env bash
# The Debian package end to end: built, checked by lintian and the desktop
# entry and AppStream validators, installed, used from PATH as a user would,
# and removed again, also when a step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

say() { echo "package test: $*"; }
fail() {
  echo "package test: FAILED: $*" >&2
  exit 1
}

version=$(sed -n 's/^project(Tavrilon VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb=build-package/tavrilon_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
tools/dev.sh package
[ -f "$deb" ] || fail "tools/dev.sh package made no $deb"
say "built $deb"

work=$(mktemp -d)
installed_here=""
sudo=""
cleanup() {
  if [ -n "$installed_here" ]; then
    say "removing the package"
    $sudo dpkg --purge tavrilon >/dev/null || echo "package test: could not remove tavrilon" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Errors fail the test; warnings and notes are shown.
lintian --display-info --fail-on error "$deb"
say "lintian found no errors"

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.tavrilon.Tavrilon.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.tavrilon.Tavrilon.metainfo.xml"
say "the desktop entry and the AppStream metadata are valid"

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    sudo=sudo
  elif [ -n "${CI:-}" ]; then
    fail "not root and no sudo: in CI the package must be installed"
  else
    say "not root and no sudo: installing the package is skipped"
    exit 0
  fi
fi
if dpkg-query -W -f='${Status}' tavrilon 2>/dev/null | grep -q "install ok installed"; then
  # Never replace and then remove a package someone installed for use.
  [ -z "${CI:-}" ] || fail "tavrilon is installed already"
  say "tavrilon is installed on this machine: installing the package is skipped"
  exit 0
fi

installed_here=yes
if ! $sudo dpkg -i "$deb"; then
  $sudo apt-get install -f -y -q
fi
dpkg-query -W -f='${Status}' tavrilon | grep -q "install ok installed" ||
  fail "tavrilon did not install"

[ "$(command -v tavrilon-batch)" = /usr/bin/tavrilon-batch ] ||
  fail "tavrilon-batch on PATH is $(command -v tavrilon-batch || echo nothing)"
tavrilon-batch --version | grep -qx "tavrilon-batch $version" || fail "tavrilon-batch --version"
for file in tvadif.txt Tavrilon-Help.pdf; do
  [ -f "/usr/share/tavrilon/$file" ] || fail "no /usr/share/tavrilon/$file"
done

# A user's first run: the settings go to the user's configuration folder,
# though root could write /usr/bin.
home="$work/home"
mkdir -p "$home"
cp samples/sample.adi "$work/"
(cd "$work" && env -u XDG_CONFIG_HOME HOME="$home" \
  tavrilon-batch labels sample.adi --pdf labels.pdf --stock 5160)
[ -f "$home/.config/tavrilon/tavrilon.ini" ] || fail "no settings in $home/.config/tavrilon"
[ ! -e /usr/bin/tavrilon.ini ] || fail "settings were written to /usr/bin"
pdftotext "$work/labels.pdf" "$work/labels.txt"
calls=$(grep -oiE '<call:[0-9]+>[^ <]+' samples/sample.adi | sed 's/.*>//')
[ -n "$calls" ] || fail "no calls found in samples/sample.adi"
for call in $calls; do
  grep -qiF -- "$call" "$work/labels.txt" || fail "the labels lack $call"
done
say "the labels printed from PATH hold the calls ${calls//$'\n'/ }"

$sudo dpkg --purge tavrilon
installed_here=""
[ ! -e /usr/bin/tavrilon-batch ] || fail "/usr/bin/tavrilon-batch is still there after removal"
[ ! -e /usr/share/tavrilon ] || fail "/usr/share/tavrilon is still there after removal"
say "installed, used and removed"
