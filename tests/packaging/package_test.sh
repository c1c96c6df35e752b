#!/usr/bin/env bash
# Builds the Debian package of BUILD_DIR with CPack into a scratch folder, checks its control
# data and contents, unpacks it into a scratch root and shows that the unpacked program starts
# and shows its window, headless and with no network.
set -euo pipefail
build_dir=${1:?usage: package_test.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# -B keeps CPack's staging tree and the package out of the build tree.
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1 \
  || { echo "FAIL: cpack -G DEB" >&2; cat "$scratch/cpack.log" >&2; exit 1; }
debs=("$scratch"/cpack/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] \
  || { echo "FAIL: expected one .deb, got: ${debs[*]}" >&2; cat "$scratch/cpack.log" >&2; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"
dpkg-deb -I "$deb"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

[ "$(dpkg-deb -f "$deb" Package)" = afd-nominator ] || fail "Package is '$(dpkg-deb -f "$deb" Package)'"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer"
[ -n "$(dpkg-deb -f "$deb" Section)" ] || fail "no Section"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "no Description"
# dpkg-shlibdeps names the packages of the libraries the program links; the browser panes'
# library must be among them, as must the C library. The QML modules the panes load at run
# time are named by hand.
depends=$(dpkg-deb -f "$deb" Depends)
depends_packages=$(tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//' | sort -u)
for needed in libqt6webenginequick6 libqt6widgets6 libc6 qml6-module-qtwebengine \
              qml6-module-qtquick qml6-module-qtqml qml6-module-qtqml-models \
              qml6-module-qtqml-workerscript qml6-module-qtwebchannel; do
  grep -qx "$needed" <<<"$depends_packages" || fail "Depends lacks $needed: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in ./usr/bin/afd-nominator ./usr/lib/afd-nominator/libafd_browser_engine.so \
            ./usr/share/applications/afd-nominator.desktop \
            ./usr/share/icons/hicolor/scalable/apps/afd-nominator.svg; do
  grep -qx "$path" <<<"$contents" || fail "the package lacks $path"
done
[ "$failures" -eq 0 ] || { dpkg-deb -c "$deb" >&2; exit 1; }

root=$scratch/root
dpkg-deb -x "$deb" "$root"
home=$scratch/home
mkdir -p "$home/data" "$home/cache" "$home/config"
# As root the engine cannot use its sandbox. The engine splits its flags at spaces unless they
# are quoted, so the rule that resolves every host name to nowhere is quoted to arrive whole.
env QTWEBENGINE_DISABLE_SANDBOX=1 \
    QTWEBENGINE_CHROMIUM_FLAGS='--host-resolver-rules="MAP * ~NOTFOUND"' \
    XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config" \
    xvfb-run -a -s "-screen 0 1024x768x24" bash "$here/window_appears.sh" "$root/usr/bin/afd-nominator"
