#!/usr/bin/env bash
# Starts the tool. The browser engine cannot run its sandbox as root, so only then, and saying
# so, does this launcher switch the sandbox off; for a normal user it stays on.
set -euo pipefail
program=${1:?usage: run.sh PROGRAM}
if [ "$(id -u)" -eq 0 ] && [ -z "${QTWEBENGINE_DISABLE_SANDBOX:-}" ]; then
  echo "run.sh: running as root, so the browser sandbox is off (QTWEBENGINE_DISABLE_SANDBOX=1)" >&2
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec "$program"
