#!/usr/bin/env bash
# Runs the benchmark in a virtual X display of its own, with no window manager, so that the
# window's first frame and the clicks are the X server's and nothing else's. Prints one table.
# BENCH_PROGRAM measures another build of the program (a trial of a change) against the same
# baseline; AFD_BENCH_CHROMIUM_FLAGS adds engine flags to try.
set -euo pipefail
build_dir=${1:-build}
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  "$build_dir/bin/afd_bench" "${BENCH_PROGRAM:-$build_dir/bin/afd-nominator}" \
  "$build_dir/bin/form1_baseline"
