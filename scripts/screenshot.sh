#!/usr/bin/env bash
# Takes the README's picture: the window made larger, right after a renomination, its article
# editor filled with the tag below the short description, under a
# virtual display. The panes reach only a loopback stand-in for the wiki, whose API says that
# the article was nominated once before and whose editor page stands in for the wiki's.
set -euo pipefail
build_dir=${1:?usage: screenshot.sh BUILD_DIR OUTPUT.png}
output=${2:?usage: screenshot.sh BUILD_DIR OUTPUT.png}
# The window's size in the picture: larger than designed, so that the pane shows the editor.
width=900
height=700

if [ -z "${DISPLAY_READY:-}" ]; then
  exec env DISPLAY_READY=1 xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'kill "${pid:-}" "${wiki:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
answer='{"batchcomplete":"","query":{"pages":{"1":{"pageid":1,"ns":0,"title":"Sample page"}},'
answer+='"allpages":[{"pageid":2,"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}]}}'
"$build_dir/bin/stand_in_wiki" "$answer" "$(dirname "$0")/stand_in_editor.html" >"$scratch/flags" &
wiki=$!
while [ ! -s "$scratch/flags" ]; do sleep 0.05; done
# Every name but the wiki's fails to resolve: nothing leaves the machine.
QTWEBENGINE_CHROMIUM_FLAGS=$(cat "$scratch/flags")
export QTWEBENGINE_CHROMIUM_FLAGS
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1

"$build_dir/bin/afd-nominator" 2>"$scratch/stderr" &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" "$width" "$height"
sleep 2

# Title, reason, then a click on "AFD" (the button's centre in the window's client area).
xdotool mousemove --window "$window" 80 20 click --repeat 3 1
xdotool type --delay 20 "sample page"
xdotool mousemove --window "$window" 288 20 click --repeat 3 1
xdotool type --delay 20 "Not notable"
xdotool mousemove --window "$window" 224 52 click 1
sleep 3

kill -0 "$pid" || { cat "$scratch/stderr" >&2; exit 1; }
import -window root -crop "${width}x${height}+0+0" "$output"
echo "wrote $output" >&2
