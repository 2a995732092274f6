#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: the
# program and a launcher entry that desktop-file-validate accepts.
#
# Usage: install.sh BUILD-DIR SCRATCH-DIR
set -euo pipefail
build=$1 prefix=$2/prefix

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix"

for file in bin/lc-resonance share/applications/lc-resonance.desktop; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
[ -x "$prefix/bin/lc-resonance" ] || { echo "not executable: bin/lc-resonance" >&2; exit 1; }
desktop-file-validate "$prefix/share/applications/lc-resonance.desktop"
echo "installed bin/lc-resonance and a valid share/applications/lc-resonance.desktop"
