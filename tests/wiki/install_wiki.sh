#!/usr/bin/env bash
# Builds the local wiki for the tests into FOLDER, anew: Debian's MediaWiki installed by its own
# installer on SQLite, the settings that make it look like the English Wikipedia, and its pages,
# saved as the wiki saves an edit, substitutions and signatures included. A page file's path is
# its title: FILE.wiki is the article FILE, NAMESPACE/A/B.wiki the page NAMESPACE:A/B. In order:
# - dumps/*.xml, imported as they are: revisions no edit from here can make, such as an
#   unregistered editor's (an IP address's);
# - pages/, saved by the installer's account, Nominator (the one the tests log in with), the
#   templates first;
# - pages_by/ACCOUNT/, saved by ACCOUNT (underscores for spaces), an account of its own made
#   beforehand (Helper bot's in the bot group); a file also in pages/ is that page's next
#   revision, by ACCOUNT;
# - the protected pages listed below, fully protected, which even Nominator may not edit (see
#   settings.php);
# - the blocked accounts listed below, blocked for good once their pages are saved, with no
#   autoblock: the addresses they used, the tests' own 127.0.0.1 among them, stay free to edit.
# Pages the tests meet beyond their titles: the Main Page (pages/ holds its next revision after the
# installer's), which links "Main Page article" among others; "Recently kept article", whose
# earlier discussion closed as keep on 14 February 2026, three weeks before the tests' day, as
# its talk page's {{Old AfD multi}} says too; "Long ago kept article", whose discussion closed as
# no consensus on 3 May 2019 and which has no talk page. Those discussions' signatures are
# written out with their dates, not signed with ~~~~, which would date them the day of the build.
# The tests copy FOLDER's settings and database and serve the copy (tests/support/local_wiki.h).
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 FOLDER" >&2
  exit 2
fi
folder=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
mediawiki=/usr/share/mediawiki
user=Nominator
# The account that started the articles in pages_by/Creator/, whose talk page gets the notice.
creator=Creator
# Every account's.
password=loopback-wiki-password
# The groups of the accounts in pages_by/ that are more than plain users, as createAndPromote's
# options.
declare -A promoted=(["Helper bot"]=--bot)

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
printf '%s\n%s\n%s\n' "$user" "$password" "$creator" >"$folder/account"

export MW_CONFIG_FILE="$folder/LocalSettings.php"
maintenance() {
  php "$mediawiki/maintenance/$1.php" "${@:2}" >/dev/null
}

# Saves the pages in the folder FROM as USER, in the order of the file names given on stdin.
save_pages() {
  local from=$1 as=$2 file path title
  while read -r file; do
    path=${file#./}
    path=${path%.wiki}
    title=$path
    if [[ $path == */* ]]; then title=${path%%/*}:${path#*/}; fi
    maintenance edit --user "$as" --summary "Page for the tests" "$title" <"$from/$file"
  done
}

for dump in "$here"/dumps/*.xml; do maintenance importDump "$dump"; done

(cd "$here/pages" &&
  find Template -name '*.wiki' | sort && find . -name '*.wiki' -not -path './Template/*' | sort) |
  save_pages "$here/pages" "$user"

for account_folder in "$here"/pages_by/*/; do
  account_folder=${account_folder%/}
  account=${account_folder##*/}
  account=${account//_/ }
  read -ra options <<<"${promoted[$account]:-}"
  maintenance createAndPromote "${options[@]}" "$account" "$password"
  (cd "$account_folder" && find . -name '*.wiki' | sort) | save_pages "$account_folder" "$account"
done

for protected in "User talk:Protected creator"; do
  maintenance protect --user "$user" --reason "Page for the tests" "$protected"
done

# The script says whether a block failed only in its output.
for blocked in "Blocked creator"; do
  if ! php "$mediawiki/maintenance/blockUsers.php" --reason "Page for the tests" --allow-talkedit \
    --disable-autoblock <<<"$blocked" | grep -q "^Blocking '$blocked' succeeded"; then
    echo "$0: could not block $blocked" >&2
    exit 1
  fi
done
