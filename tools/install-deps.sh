#!/bin/sh
# Installs the Debian packages the build, the tests and the fonts need,
# only those that are missing, so a second run costs nothing.
set -e
packages="build-essential cmake ninja-build qt6-base-dev fonts-liberation xvfb xauth xdotool imagemagick poppler-utils pkg-config libxcb1-dev clang libclang-rt-14-dev libbenchmark-dev cups cups-client printer-driver-cups-pdf desktop-file-utils appstream $EXTRA_PACKAGES"
missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends $missing
