#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the tool needs.
# Safe to run again: it only asks apt-get for packages that are not installed yet.
set -euo pipefail

packages=(
  # toolchain
  g++ make cmake pkg-config clang-format
  # core: Unicode case mapping (ICU) and reading the wiki API's JSON answers
  libicu-dev nlohmann-json3-dev
  # unit tests
  googletest libgtest-dev libgmock-dev
  # window: Qt 6 Widgets, Qt Test and WebEngine (Qt's CMake files also want OpenGL headers)
  qt6-base-dev qt6-webengine-dev libgl-dev libglx-dev libegl-dev
  # browser panes: Qt WebEngine's QML view in a Qt Quick window; the QML modules are loaded
  # at run time, QtQml pulls in its Models and WorkerScript modules; each pane's web channel
  # carries the texts the tool puts into the wiki's editors
  qt6-declarative-dev qml6-module-qtwebengine qml6-module-qtquick qml6-module-qtqml
  qml6-module-qtqml-models qml6-module-qtqml-workerscript qt6-webchannel-dev
  qml6-module-qtwebchannel
  # headless GUI tests and screenshots, and a screen reader's accessibility bus
  xvfb xauth x11-utils xdotool imagemagick fonts-dejavu-core dbus at-spi2-core
  # non-English locales, to show that log date keys stay English under them
  locales
  # packaging checks
  desktop-file-utils dpkg-dev file libxml2-utils
  # benchmark: X client that clicks (XTest) and a loopback TLS stand-in for the wiki
  libxcb1-dev libxcb-xtest0-dev libssl-dev
  # end-to-end tests: a local MediaWiki on SQLite, served by PHP's built-in server on loopback.
  # mediawiki wants a web server and a PHP runtime: naming php8.2-cgi and mini-httpd (which
  # starts no service) keeps apt from choosing a server that listens; neither is used.
  mediawiki php-cli php-sqlite3 php-intl php-mbstring php-xml php8.2-cgi mini-httpd
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update
  "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

for locale in de_DE fr_FR ru_RU; do
  if ! locale -a 2>/dev/null | grep -qi "^${locale}\.utf-\?8$"; then
    "${sudo[@]}" localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
  fi
done
