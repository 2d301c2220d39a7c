#!/usr/bin/env bash
# The Debian package as `make package` builds it, here from the tests' build:
# its control fields declare the Qt runtime packages once each, it holds the
# programs, desktop files, manual pages, completion, copyright (Apache-2.0)
# and changelog under /usr, no licence but the example one, lintian finds no
# error or warning in it, and the lister extracted from it into a scratch root
# lists the demo file with the example licence.
#   package_deb.sh BUILD-DIR SAMPLE WORK-DIR APP-ID
set -euo pipefail
build=$1 sample=$2 work=$3 id=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/root" "$work/cwd"
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/quintarel_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single quintarel_*.deb"
deb=${debs[0]}
echo "built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = quintarel ] || fail "the package is not named quintarel"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The package names of the field, without their versions.
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libc6 libstdc++6; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package"
done
twice=$(sort <<<"$names" | uniq -d)
[ -z "$twice" ] || fail "Depends names $(tr '\n' ' ' <<<"$twice")more than once"
# A private library needs no ldconfig, so no maintainer script calls it.
dpkg-deb -e "$deb" "$work/control"
if grep -rqs ldconfig "$work/control"; then fail "a maintainer script calls ldconfig"; fi

dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents.txt"
for path in ./usr/bin/quintarel ./usr/bin/quintarel-cli \
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
    ./usr/share/mime/packages/quintarel.xml "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
    ./usr/share/man/man1/quintarel.1.gz ./usr/share/man/man1/quintarel-cli.1.gz \
    ./usr/share/bash-completion/completions/quintarel-cli \
    ./usr/share/doc/quintarel/copyright ./usr/share/doc/quintarel/changelog.gz; do
    grep -qxF "$path" "$work/contents.txt" || fail "the package lacks $path"
done
grep -qE '^\./usr/lib/(.+/)?quintarel/libcfront\.so$' "$work/contents.txt" ||
    fail "the package lacks the private libcfront.so"
! grep -q 'cfront\.flf$' "$work/contents.txt" || fail "the package brings a licence cfront.flf"
grep -qxF ./usr/share/quintarel/demo.flf "$work/contents.txt" ||
    fail "the package lacks the example licence"

# Debian's own checks: no error and no warning (info and pedantic tags are
# shown only). Overrides, if any, travel in the package and are explained in
# the README.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.txt" 2>&1 ||
    { cat "$work/lintian.txt" >&2; fail "lintian finds errors or warnings in $(basename "$deb")"; }
echo "lintian: no errors or warnings ($(grep -c '^[IP]:' "$work/lintian.txt" || true) info tags)"

dpkg-deb -x "$deb" "$work/root"
# The programs are under the Apache License 2.0, referred to in Debian's
# copy of its text rather than repeated.
copyright=$work/root/usr/share/doc/quintarel/copyright
[ "$(sed -n '/^Files: \*$/,/^$/s/^License: //p' "$copyright")" = Apache-2.0 ] ||
    fail "the copyright file does not give Files: * the licence Apache-2.0"
grep -qF /usr/share/common-licenses/Apache-2.0 "$copyright" ||
    fail "the copyright file does not refer to /usr/share/common-licenses/Apache-2.0"
cd "$work/cwd"
"$work/root/usr/bin/quintarel-cli" --license "$work/root/usr/share/quintarel/demo.flf" "$sample" \
    >listing.txt || fail "the extracted quintarel-cli failed"
grep -qP '^Table\t50000\tDemo Setup\t.*\tRIMDX$' listing.txt ||
    fail "no RIMDX row for Table 50000 from the extracted quintarel-cli"
echo "the extracted quintarel-cli lists $(wc -l <listing.txt) objects with their rights"
