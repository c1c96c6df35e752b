#!/usr/bin/env bash
# Builds the local wiki for the tests into FOLDER, anew: Debian's MediaWiki installed by its own
# installer on SQLite, the settings that make it look like the English Wikipedia, and the pages
# in pages/ (FILE.wiki is the article FILE, NAMESPACE/A/B.wiki the page NAMESPACE:A/B), the
# templates first, saved as the wiki saves an edit, substitutions and signatures included. The
# tests copy FOLDER's settings and database and serve the copy (tests/support/local_wiki.h).
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 FOLDER" >&2
  exit 2
fi
folder=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
mediawiki=/usr/share/mediawiki
user=Nominator
password=loopback-wiki-password

rm -rf "$folder"
mkdir -p "$folder/docroot"
ln -s "$mediawiki" "$folder/docroot/w"
cp "$here/router.php" "$folder/"

php "$mediawiki/maintenance/install.php" --quiet --dbtype sqlite --dbpath "$folder/data" \
  --dbname wiki --server https://en.wikipedia.org --scriptpath /w --lang en \
  --pass "$password" --confpath "$folder" --skins Vector Wikipedia "$user" >/dev/null
# A copy of the folder is a wiki of its own: its database is the one beside its settings.
sed -i 's|^\$wgSQLiteDataDir = .*|$wgSQLiteDataDir = __DIR__ . "/data";|' "$folder/LocalSettings.php"
echo "require_once '$here/settings.php';" >>"$folder/LocalSettings.php"
printf '%s\n%s\n' "$user" "$password" >"$folder/account"

export MW_CONFIG_FILE="$folder/LocalSettings.php"
cd "$here/pages"
for file in $(find Template -name '*.wiki' | sort) $(find . -name '*.wiki' -not -path './Template/*' | sort); do
  path=${file#./}
  path=${path%.wiki}
  title=$path
  if [[ $path == */* ]]; then title=${path%%/*}:${path#*/}; fi
  php "$mediawiki/maintenance/edit.php" --user "$user" --summary "Page for the tests" \
    "$title" <"$file" >/dev/null
done
