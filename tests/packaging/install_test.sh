#!/usr/bin/env bash
# Installs BUILD_DIR into a scratch root the way a distribution would (prefix /usr, DESTDIR)
# and checks that a desktop finds the program, its menu entry and its icon where it looks.
set -euo pipefail
build_dir=${1:?usage: install_test.sh BUILD_DIR}
for tool in cmake desktop-file-validate xmllint; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR=$scratch cmake --install "$build_dir" --prefix /usr >"$scratch/install.log" \
  || { cat "$scratch/install.log" >&2; exit 1; }
root=$scratch/usr

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

program=$root/bin/afd-nominator
engine=$root/lib/afd-nominator/libafd_browser_engine.so
entry=$root/share/applications/afd-nominator.desktop
icon=$root/share/icons/hicolor/scalable/apps/afd-nominator.svg
[ -f "$program" ] && [ -x "$program" ] || fail "no executable program at ${program#"$scratch"}"
[ -f "$engine" ] || fail "no browser engine module at ${engine#"$scratch"}"
[ -f "$entry" ] || fail "no desktop entry at ${entry#"$scratch"}"
[ -f "$icon" ] || fail "no icon at ${icon#"$scratch"}"

if [ -f "$entry" ]; then
  # The validator's exit status is what counts; hints alone do not fail it.
  desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
  key() { sed -n "s/^$1=//p" "$entry"; }
  [ "$(key Name)" = "AfD Nominator" ] || fail "Name is '$(key Name)'"
  [ "$(key Type)" = Application ] || fail "Type is '$(key Type)'"
  [ "$(key Terminal)" = false ] || fail "Terminal is '$(key Terminal)'"
  [ -n "$(key Comment)" ] || fail "no Comment"
  [ -n "$(key Categories)" ] || fail "no Categories"
  # The launcher runs Exec from PATH and looks the icon up by name in the icon theme.
  exec_program=$(key Exec | cut -d' ' -f1)
  [ -x "$root/bin/$exec_program" ] || fail "Exec names '$exec_program', which is not in bin/"
  [ "$(key Icon)" = "$(basename "$icon" .svg)" ] || fail "Icon is '$(key Icon)', the icon file $(basename "$icon")"
fi

if [ -f "$icon" ]; then
  xmllint --noout "$icon" || fail "the icon is not well-formed XML"
  root_element=$(xmllint --xpath 'concat(local-name(/*), " ", namespace-uri(/*))' "$icon" 2>/dev/null) || true
  [ "$root_element" = "svg http://www.w3.org/2000/svg" ] || fail "the icon's root is '$root_element', not an SVG <svg>"
fi

if [ "$failures" -ne 0 ]; then
  echo "installed files:" >&2
  (cd "$scratch" && find . -type f | sort) >&2
  exit 1
fi
echo "installed: ${program#"$scratch"} ${engine#"$scratch"} ${entry#"$scratch"} ${icon#"$scratch"}"
