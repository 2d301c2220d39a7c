#!/usr/bin/env bash
# The installed programs run from the install prefix, not from the build tree:
# no run path into the build tree, no licence installed but the example one,
# the private library found relative to the program after the whole tree was
# moved, the demo file listed as the build tree's lister lists it, and the
# desktop program starting on a file.
#   run_installed.sh PREFIX BUILD-BIN-DIR SAMPLE WORK-DIR
set -euo pipefail
prefix=$1 build_bin=$2 sample=$3 work=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/cwd"

# Nothing of the install may point back into the build tree. No licence
# comes with it (no cfront.flf beside the library); the demo licence is an
# example to load.
private=$(dirname "$(find "$prefix" -name libcfront.so)")
[ -f "$private/libcfront.so" ] || fail "no private library folder with libcfront.so under $prefix"
[ ! -e "$private/cfront.flf" ] || fail "a default licence cfront.flf was installed"
[ -z "$(find "$prefix" -name cfront.flf)" ] || fail "a cfront.flf was installed"
example=$prefix/share/quintarel/demo.flf
[ -f "$example" ] || fail "the example licence $example was not installed"
[ ! -e "$prefix/bin/libcfront.so" ] || fail "the library was installed beside the programs"
for file in "$prefix/bin/quintarel" "$prefix/bin/quintarel-cli" "$private/libcfront.so"; do
    if readelf -d "$file" | grep -E 'R(UN)?PATH' | grep -qF "$(dirname "$build_bin")"; then
        fail "$file has a run path into the build tree"
    fi
done

# The tree put elsewhere, as when a package is extracted into a scratch root.
moved=$work/moved
cp -a "$prefix" "$moved"
moved_private=$moved/${private#"$prefix"/}

cd "$work/cwd"
# Out of the box no licence is active: no object is granted anything.
"$moved/bin/quintarel-cli" "$sample" >bare.txt 2>/dev/null || fail "the installed quintarel-cli failed"
[ -s bare.txt ] || fail "the installed quintarel-cli listed nothing"
if grep -qvP '\t$' bare.txt; then
    fail "rights listed without a licence: $(grep -vP '\t$' bare.txt | head -n 1)"
fi
# With the example licence, as the build tree's lister lists it.
"$moved/bin/quintarel-cli" --license "$moved/share/quintarel/demo.flf" "$sample" >installed.txt ||
    fail "the installed quintarel-cli failed with the example licence"
"$build_bin/quintarel-cli" --license "$example" "$sample" >built.txt
cmp -s installed.txt built.txt || {
    diff built.txt installed.txt >&2 || true
    fail "the installed quintarel-cli lists $sample differently from the build tree"
}
# Rights from the example licence: the demo customer's own table.
grep -qP '^Table\t50000\tDemo Setup\t.*\tRIMDX$' installed.txt ||
    fail "no RIMDX row for Table 50000 in the installed listing with the example licence"
echo "installed quintarel-cli lists $(wc -l <installed.txt) objects, with rights only from a licence"

# Without the private library the program says where it looked.
broken=$work/broken
cp -a "$moved" "$broken"
rm "$broken/${private#"$prefix"/}/libcfront.so"
status=0
"$broken/bin/quintarel-cli" "$sample" >/dev/null 2>error.txt || status=$?
[ "$status" -eq 1 ] || fail "exit status $status without the library, not 1"
grep -qF "Cannot find the database access library \"libcfront.so\" in $broken/bin, $broken/${private#"$prefix"/}" error.txt ||
    fail "unexpected error without the library: $(cat error.txt)"

# The desktop program on a file: it loads the moved tree's library and keeps
# running (an error at start would end it, or leave it with nothing loaded).
# What it remembers (recent files) goes to the work folder, not the home folder.
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen "$moved/bin/quintarel" "$sample" \
    >gui.txt 2>&1 &
gui=$!
trap 'kill $gui 2>/dev/null || true' EXIT
loaded=no
for _ in $(seq 50); do
    kill -0 $gui 2>/dev/null || { wait $gui && status=0 || status=$?; cat gui.txt >&2
        fail "quintarel ended at start with status $status"; }
    if grep -qF "$moved_private/libcfront.so" /proc/$gui/maps; then loaded=yes; break; fi
    sleep 0.2
done
[ $loaded = yes ] || fail "quintarel did not load $moved_private/libcfront.so within 10 s"
sleep 1
kill -0 $gui 2>/dev/null || fail "quintarel ended after loading the library"
echo "installed quintarel runs on $sample with the installed library"
