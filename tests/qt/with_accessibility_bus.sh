#!/usr/bin/env bash
# Runs a command as under a desktop with a screen reader: a session bus of its own with the
# accessibility bus on it, and Qt's accessibility switched on, so that Qt builds its tree and
# sends its events as it does for a real screen reader.
set -euo pipefail
if [ "${AFD_ACCESSIBILITY_BUS:-}" != started ]; then
  export AFD_ACCESSIBILITY_BUS=started
  exec dbus-run-session -- "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill "$launcher" 2>/dev/null || true' EXIT
for _ in $(seq 100); do
  if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
       org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true; then
    break
  fi
  sleep 0.05
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$@"
