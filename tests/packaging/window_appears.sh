#!/usr/bin/env bash
# Starts PROGRAM (no arguments) on the current X display and succeeds once it shows a top-level
# window named exactly "Form1" and its browser engine has started a helper process, then ends
# it. The engine is a module the program loads after showing the window, so the window alone
# does not show that the module was found. Fails if the program exits first or either does not
# happen within TIMEOUT seconds (default 120: the engine starts slowly, slower still under a
# sanitizer).
set -euo pipefail
program=${1:?usage: window_appears.sh PROGRAM}
timeout_s=${TIMEOUT:-120}
: "${DISPLAY:?window_appears.sh needs an X display, e.g. under xvfb-run -a}"

log=$(mktemp)
"$program" >"$log" 2>&1 &
pid=$!
cleanup() {
  if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid" 2>/dev/null || true
    # The engine's helper processes follow their parent; give them a moment, then insist.
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT

# xdotool matches --name as a regular expression; --pid keeps another program's "Form1" out.
deadline=$((SECONDS + timeout_s))
window=
while [ -z "$window" ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && status=0 || status=$?
    echo "FAIL: $program exited (status $status) before showing its window; its output:" >&2
    cat "$log" >&2
    exit 1
  fi
  if [ "$SECONDS" -ge "$deadline" ]; then
    echo "FAIL: no window named Form1 from $program within ${timeout_s}s; its output:" >&2
    cat "$log" >&2
    exit 1
  fi
  window=$(xdotool search --onlyvisible --pid "$pid" --name '^Form1$' 2>/dev/null | head -n 1) \
    || window=
  [ -n "$window" ] || sleep 0.5
done
echo "window $window \"$(xdotool getwindowname "$window")\" shown by $program (pid $pid)"

# A program that cannot load the engine reports it in a dialog and starts no helper.
until pgrep -P "$pid" -f QtWebEngineProcess >/dev/null; do
  if ! kill -0 "$pid" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
    echo "FAIL: $program showed its window but started no browser engine; its output:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.2
done
echo "browser engine started by $program: $(pgrep -P "$pid" -f QtWebEngineProcess | head -n 1)"
