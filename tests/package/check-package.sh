#!/usr/bin/env bash
# Builds the Debian package from a finished build folder and checks what it installs and declares.
# usage: check-package.sh <build folder>
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed; the package cannot be built here" >&2
        exit 77
    fi
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
echo "Built $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }')
status=0
for expected in \
    ./usr/lib/brimley/brimley \
    ./usr/lib/brimley/brimleyhelpfile.rtf \
    ./usr/lib/brimley/Basketball.gif \
    ./usr/lib/brimley/brimleylogo.png \
    "./usr/bin/brimley -> ../lib/brimley/brimley" \
    ./usr/share/applications/brimley.desktop \
    ./usr/share/mime/packages/brimley.xml \
    ./usr/share/icons/hicolor/scalable/apps/brimley.svg \
    ./usr/share/icons/hicolor/256x256/apps/brimley.png; do
    if ! grep -qxF -- "$expected" <<<"$contents"; then
        echo "missing from the package: $expected"
        status=1
    fi
done
# Nothing of the build's own (tests, benchmarks, libraries) belongs in the package.
if grep -E 'tst_|bench|\.a$' <<<"$contents"; then
    echo "the package holds files of the build"
    status=1
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
    grep -q "$library" <<<"$depends" || { echo "not declared as a dependency: $library"; status=1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = brimley ] || { echo "wrong package name"; status=1; }
exit $status
