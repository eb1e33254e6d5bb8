#!/usr/bin/env bash
# atspi_session.sh CHECK.py [ARGS...]: runs a Python check under a virtual X display with a
# session bus and the accessibility bus, which is how a screen reader meets the program.
# Everything it needs comes from scripts/setup.sh; it installs nothing.
set -u
inner=$(mktemp /tmp/atspi-session.XXXXXX.sh)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
# Debian's interpreter: the accessibility client is a Debian package.
exec /usr/bin/python3 "$@"
INNER
# The whole run is bounded, so a program that never answers cannot hang the test suite.
timeout -k 10 150 xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash "$inner" "$@"
