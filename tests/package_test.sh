#!/bin/sh
# Builds the Debian package into a folder of its own, checks what it holds
# and what it depends on, and has lintian find no error in it.
# Usage: package_test.sh build-folder
set -e
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -B "$out" >/dev/null)
deb=$(ls "$out"/plenvik_*_*.deb)
contents=$(dpkg-deb -c "$deb" | sed -n 's|^.* \(\./.*\)$|\1|p')
for f in ./usr/bin/plenvik \
    ./usr/share/applications/org.example.plenvik.Plenvik.desktop \
    ./usr/share/metainfo/org.example.plenvik.Plenvik.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/org.example.plenvik.Plenvik.png \
    ./usr/share/icons/hicolor/128x128/apps/org.example.plenvik.Plenvik.png \
    ./usr/share/icons/hicolor/256x256/apps/org.example.plenvik.Plenvik.png \
    ./usr/share/icons/hicolor/scalable/apps/org.example.plenvik.Plenvik.svg \
    ./usr/share/man/man1/plenvik.1.gz \
    ./usr/share/man/nl/man1/plenvik.1.gz \
    ./usr/share/doc/plenvik/copyright \
    ./usr/share/doc/plenvik/changelog.gz \
    "./usr/share/plenvik/Voorbeelden/Europa CEPT.sup" \
    "./usr/share/plenvik/Voorbeelden/Europa CEPT.bmp"; do
    printf '%s\n' "$contents" | grep -qxF "$f" || { echo "missing from the package: $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation qt6-translations-l10n qt6-image-formats-plugins; do
    printf '%s\n' "$depends" | grep -q "\b$d\b" || { echo "not in Depends: $d ($depends)"; exit 1; }
done
# Nothing is loaded from qt6-qpa-plugins: the X11 plugin is in libqt6gui6.
if printf '%s\n' "$depends" | grep -q "qt6-qpa-plugins"; then
    echo "Depends on qt6-qpa-plugins, which holds nothing the program loads ($depends)"
    exit 1
fi
# Errors fail the test; warnings and notes are shown.
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 1; }
lintian --no-tag-display-limit "$deb" | tee "$out/lintian.txt"
if grep -q '^E:' "$out/lintian.txt"; then
    echo "lintian reports errors"
    exit 1
fi
echo "package holds its files; Depends: $depends"
