#!/usr/bin/env bash
# Takes the README's pictures under a virtual display: the window made larger, right after a
# renomination, its article editor filled with the tag below the short description; then tab 3,
# the creator's talk page filled with the notice. The panes reach only a loopback stand-in for
# the wiki, whose API says that the article, created by another account, was nominated once
# before, and whose editor pages stand in for the wiki's.
set -euo pipefail
usage="usage: screenshot.sh BUILD_DIR OUTPUT.png NOTICE_OUTPUT.png"
build_dir=${1:?$usage}
output=${2:?$usage}
notice_output=${3:?$usage}
# The window's size in the picture: larger than designed, so that the pane shows the editor.
width=900
height=700

if [ -z "${DISPLAY_READY:-}" ]; then
  # On a session bus of its own that ends with it: without one, libdbus would launch a bus for
  # the display that outlives it.
  exec env DISPLAY_READY=1 dbus-run-session -- \
    xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$0" "$@"
fi

scratch=$(mktemp -d)
trap 'kill "${pid:-}" "${wiki:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
# One answer for both of the tool's questions: the check (earlier nominations, the article's
# first revision, the user) and which edits are saved (none; the talk page may be edited).
log_day=$(date -u '+%Y %B %-d')
answer='{"batchcomplete":"","query":{"pages":{"1":{"pageid":1,"ns":0,"title":"Sample page",'
answer+='"revisions":[{"user":"Creator","slots":{"main":{"*":"Sample"}}}]},'
answer+='"-1":{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page (2nd nomination)",'
answer+='"missing":""},"3":{"pageid":3,"ns":4,"title":"Wikipedia:Articles for deletion/Log/'
answer+="$log_day"'"},"4":{"pageid":4,"ns":3,"title":"User talk:Creator","actions":{"edit":""}}},'
answer+='"allpages":[{"pageid":2,"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}],'
answer+='"userinfo":{"id":1,"name":"Nominator"}}}'
editor=$(dirname "$0")/stand_in_editor.html
# The talk page's editor: the article's stand-in, retitled, holding a welcome.
python3 - "$editor" "$scratch/talk_editor.html" <<'PY'
import re, sys
page = open(sys.argv[1], encoding="utf-8").read()
page = page.replace("Sample page", "User talk:Creator").replace("Sample_page", "User_talk:Creator")
page = re.sub(r"(<textarea[^>]*>).*?(</textarea>)",
              r"\1== Welcome ==\nHello, Creator, and welcome to Wikipedia! ~~~~\2", page,
              flags=re.S)
open(sys.argv[2], "w", encoding="utf-8").write(page)
PY
"$build_dir/bin/stand_in_wiki" "$answer" "$editor" "$scratch/talk_editor.html" >"$scratch/flags" &
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

# Tab 3's caption, the fourth on Tabby's tab bar.
tab3_x=220
tab3_y=165
xdotool mousemove --window "$window" "$tab3_x" "$tab3_y" click 1
sleep 2
kill -0 "$pid" || { cat "$scratch/stderr" >&2; exit 1; }
import -window root -crop "${width}x${height}+0+0" "$notice_output"
echo "wrote $notice_output" >&2
