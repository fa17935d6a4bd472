#!/bin/sh
# Installs the Debian packages that are missing, and nothing else; it never
# removes a package (apt-get stops rather than remove one).
#   install-deps.sh build   what building and running the program need
#   install-deps.sh test    that, and what the tests, benchmarks and fuzzers add
set -e
# Qt's translation tools build the English texts into the program; Qt's own
# translations give its dialogs and buttons the program's language.
# The image format plugins read TIFF pictures of the stamps.
build="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-image-formats-plugins
       libxcb1-dev fonts-liberation file"
tests="xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick poppler-utils clang libclang-rt-14-dev libbenchmark-dev
       cups cups-client printer-driver-cups-pdf desktop-file-utils appstream lintian strace"
case "${1:-build}" in
    build) packages="$build" ;;
    test) packages="$build $tests" ;;
    *) echo "usage: $0 build|test" >&2; exit 2 ;;
esac
missing=""
for p in $packages $EXTRA_PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends --no-remove $missing
