#!/bin/sh
# Installing the program fetches only what building it needs: the commands
# that build, install or package it ask for no test tool, and the set-up
# never lets apt remove a package. apt and dpkg are stand-ins that record
# what they are asked. Usage: deps_test.sh source-folder
set -e
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat > "$work/bin/dpkg-query" <<'STUB'
#!/bin/sh
exit 1
STUB
cat > "$work/bin/apt-get" <<'STUB'
#!/bin/sh
echo "$*" >> "$APT_LOG"
STUB
cp "$work/bin/apt-get" "$work/bin/sudo"
chmod +x "$work/bin/"*
export APT_LOG="$work/apt.log"

PATH="$work/bin:$PATH" sh "$src/tools/install-deps.sh" build >/dev/null
installed=$(grep -w install "$APT_LOG")
for tool in xvfb xdotool clang libbenchmark-dev cups printer-driver-cups-pdf lintian appstream imagemagick; do
    if printf '%s\n' "$installed" | grep -qw -- "$tool"; then
        echo "building installs the test tool $tool: $installed"
        exit 1
    fi
done
for p in qt6-base-dev qt6-l10n-tools qt6-translations-l10n qt6-image-formats-plugins; do
    printf '%s\n' "$installed" | grep -qw -- $p || { echo "building does not install $p: $installed"; exit 1; }
done
printf '%s\n' "$installed" | grep -q -- --no-remove || { echo "apt may remove packages: $installed"; exit 1; }

for target in run install package; do
    plan=$(make -n -C "$src" BUILD="$work/build" "$target" 2>/dev/null | grep install-deps || true)
    if [ "$plan" != "./tools/install-deps.sh build" ]; then
        echo "make $target sets up: $plan"
        exit 1
    fi
done
echo "building and installing ask for no test tool"
