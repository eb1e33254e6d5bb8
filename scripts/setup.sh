#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, only those missing.
# With --fuzz, also those of the fuzz build.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache pkg-config lld
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-webengine-dev libgumbo-dev libarchive-dev
    # the web engine at run time: its widgets and the process that renders the pages
    libqt6webenginewidgets6 libqt6webenginecore6-bin
    fonts-noto-cjk xvfb xauth
    # what a screen reader sees, for the accessibility-bus test: the bus, its Python client,
    # a session bus launcher and real mouse clicks on a display
    at-spi2-core python3-pyatspi dbus-x11 xdotool
    # the Debian package: CPack's library dependencies (dpkg-shlibdeps and file), and the
    # checks of its menu entry and AppStream metadata
    dpkg-dev file appstream desktop-file-utils
)
# Only for scripts/fuzz.sh (`setup.sh --fuzz`): Clang with libFuzzer and the sanitizers'
# run-time libraries. The ordinary build and tests do not need them.
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
