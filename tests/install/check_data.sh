#!/usr/bin/env bash
# The installed desktop files pass Debian's validators and agree with each
# other: desktop entry, AppStream metainfo, file types and icon.
#   check_data.sh PREFIX APP-ID
set -euo pipefail
prefix=$1 id=$2
share=$prefix/share
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
mime=$share/mime/packages/quintarel.xml
icon=$share/icons/hicolor/scalable/apps/$id.svg
for file in "$desktop" "$metainfo" "$mime" "$icon"; do
    [ -f "$file" ] || fail "$file was not installed"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
# --no-net: the screenshot and home page URLs are not fetched.
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects $metainfo"
xmllint --noout "$mime" "$icon" || fail "the file types or the icon are not well-formed XML"

value() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(value Exec)" = "quintarel %f" ] || fail "Exec is '$(value Exec)'"
[ "$(value Icon)" = "$id" ] || fail "Icon '$(value Icon)' is not the installed $id.svg"
[ -x "$prefix/bin/$(value Exec | cut -d' ' -f1)" ] || fail "Exec names no installed program"
# Every file type the entry opens is declared, and the metainfo offers the same.
IFS=';' read -r -a types <<<"$(value MimeType)"
[ "${#types[@]}" -eq 2 ] || fail "MimeType lists ${#types[@]} types, not the object and backup file"
for type in "${types[@]}"; do
    grep -q "<mime-type type=\"$type\">" "$mime" || fail "$type is opened but not declared in $mime"
    grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "$type missing from the metainfo"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<project_license>Apache-2.0</project_license>" "$metainfo" ||
    fail "the metainfo does not name the project's licence Apache-2.0"
echo "desktop entry, metainfo, file types and icon agree and validate"
