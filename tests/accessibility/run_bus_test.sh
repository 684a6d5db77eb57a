#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs sewage_fields.py against the real program on an X server of its own
# (Xvfb), with a private D-Bus session and the desktop's accessibility bus,
# as a screen reader meets it. Skips itself (status 77) where the machine
# lacks what that needs.
#   run_bus_test.sh VEK DATA_INI
set -u
vek=$1
data=$2
here=$(dirname "$0")

skip() {
    echo "skipped: $1 (Debian: at-spi2-core python3-pyatspi dbus xvfb xauth)"
    exit 77
}

python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || skip "no Python 3 with pyatspi"
command -v xvfb-run >/dev/null 2>&1 || skip "no xvfb-run"
command -v xauth >/dev/null 2>&1 || skip "no xauth"
command -v dbus-run-session >/dev/null 2>&1 || skip "no dbus-run-session"
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "no at-spi-bus-launcher"

exec xvfb-run -a -s "-screen 0 1024x768x24" \
    dbus-run-session -- "$python" "$here/sewage_fields.py" "$launcher" "$vek" "$data"
