#!/usr/bin/env bash
# Installs the build into a scratch prefix, as `cmake --install` does for a
# user, and builds the file type database there the way Debian's trigger does:
#   install_tree.sh BUILD-DIR PREFIX
set -euo pipefail
build=$1 prefix=$2

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
echo "Installed into $prefix:"
(cd "$prefix" && find . -type f | sort)
