#!/usr/bin/env bash
# Runs the benchmark in a virtual X display of its own, with no window manager, so that the
# window's first frame and the clicks are the X server's and nothing else's. Prints one table:
# afd_bench's sections, then afd_fill_bench's, which drives the window in-process against the
# local MediaWiki (built here first when it is missing or older than tests/wiki).
# BENCH_PROGRAM measures another build of the program (a trial of a change) against the same
# baseline; AFD_BENCH_CHROMIUM_FLAGS adds engine flags to try.
set -euo pipefail
build_dir=$(realpath "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
wiki=$build_dir/local-wiki
if [ ! -e "$wiki/account" ] || [ -n "$(find "$here/../tests/wiki" -newer "$wiki/account" -print -quit)" ]; then
  "$here/../tests/wiki/install_wiki.sh" "$wiki"
fi

# The in-process driver points its engine at the local wiki's loopback port itself, and each
# of its runs has a home of its own; no proxy from the environment may carry a request
# elsewhere. As root the engine cannot use its sandbox.
fill_environment=()
if [ "$(id -u)" -eq 0 ]; then fill_environment+=(QTWEBENGINE_DISABLE_SANDBOX=1); fi

# On a session bus of its own that ends with it: without one, libdbus would launch a bus for the
# display that outlives it.
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  status=0
  "$1" "$2" "$3" || status=$?
  shift 3
  env -u http_proxy -u https_proxy -u all_proxy -u HTTP_PROXY -u HTTPS_PROXY -u ALL_PROXY \
    "$@" || status=$?
  exit $status' run_bench \
  "$build_dir/bin/afd_bench" "${BENCH_PROGRAM:-$build_dir/bin/afd-nominator}" \
  "$build_dir/bin/form1_baseline" "${fill_environment[@]}" "$build_dir/bin/afd_fill_bench"
