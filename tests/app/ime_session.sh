#!/usr/bin/env bash
# ime_session.sh CHECK.py PROGRAM: runs a Python check of Japanese input under a virtual X
# display with a session bus, the accessibility bus and an ibus daemon with the mozc engine.
# The mozc server refuses to run as root, so as root everything runs as `nobody` in a scratch
# home of its own. Everything it needs comes from scripts/setup.sh; it installs nothing.
set -u
check=$1 program=$2
scratch=$(mktemp -d /tmp/ime-session.XXXXXX)
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/program"
# The check shares the accessibility helpers of its neighbour.
cp "$program" "$check" "$(dirname "$check")/atspi_values_test.py" "$scratch/program/"
cat >"$scratch/inner.sh" <<'INNER'
set -u
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
# mozc starts in direct input unless told otherwise; a seller switches it on, the test
# has it on from the start.
mkdir -p "$HOME/.config/mozc"
cat >"$HOME/.config/mozc/ibus_config.textproto" <<'CONFIG'
engines {
  name : "mozc-jp"
  longname : "Mozc"
  layout : "default"
  layout_variant : ""
  layout_option : ""
  rank : 80
}
active_on_launch: True
CONFIG
ibus-daemon --replace --daemonize --panel=disable
# The daemon answers once it is up; the engine is set globally for every window.
for _ in $(seq 100); do ibus engine >/dev/null 2>&1 && break; sleep 0.1; done
# Exits 1 under Xvfb (setxkbmap refuses the engine's layout) although the engine is set.
ibus engine mozc-jp >/dev/null 2>&1
engine=$(ibus engine 2>&1)
if [ "$engine" != mozc-jp ]; then
    echo "FAIL the input method did not take the mozc engine: $engine"
    exit 1
fi
exec /usr/bin/python3 "$@"
INNER

# A display of our own without an authority file, so that `nobody` may use it too. Xvfb
# picks a free number and writes it to the pipe.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb=$!
display=
read -r -t 20 display <"$scratch/display"
[ -n "$display" ] || { echo "FAIL no virtual display"; exit 1; }

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$scratch"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
# The whole run is bounded, so a program that never answers cannot hang the test suite.
timeout -k 10 150 "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$scratch/home" \
    DISPLAY=":$display" LANG=C.UTF-8 \
    dbus-run-session -- bash "$scratch/inner.sh" \
    "$scratch/program/$(basename "$check")" "$scratch/program/$(basename "$program")"
