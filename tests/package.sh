#!/usr/bin/env bash
# Builds the Debian package and checks that it holds the program and its
# launcher entry and depends on the Qt widgets library it was built against.
#
# Usage: package.sh BUILD-DIR SCRATCH-DIR QT-WIDGETS-PACKAGE
set -euo pipefail
build=$1 out=$2/deb widgets=$3

rm -rf "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out"
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found ${#debs[@]}" >&2; exit 1; }
deb=${debs[0]}

contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/lc-resonance ./usr/share/applications/lc-resonance.desktop; do
    grep -q " $file\$" <<<"$contents" || { echo "not in the package: $file" >&2; exit 1; }
done

depends=$(dpkg-deb --field "$deb" Depends)
grep -Eq "(^|, )$widgets( |,|\$)" <<<"$depends" ||
    { echo "does not depend on $widgets: $depends" >&2; exit 1; }
echo "$(basename "$deb") holds the program and its entry; Depends: $depends"
