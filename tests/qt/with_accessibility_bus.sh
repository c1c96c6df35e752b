#!/usr/bin/env bash
# Runs a command as under a desktop with a screen reader: the accessibility bus on the session
# bus (the test's own, from own_session), and Qt's accessibility switched on, so that Qt builds
# its tree and sends its events as it does for a real screen reader.
set -euo pipefail
: "${DBUS_SESSION_BUS_ADDRESS:?with_accessibility_bus.sh needs a session bus of its own (own_session)}"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
# The launcher ends the accessibility bus it started when it is asked to end.
trap 'kill "$launcher" 2>/dev/null || true; wait "$launcher" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
       org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; then
    break
  fi
  sleep 0.05
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
