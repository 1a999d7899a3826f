#!/usr/bin/env bash
# Brings the translations in translations/ up to date with the program's texts (lupdate): new
# texts come in unfinished, texts no longer in the program leave. With --check it changes
# nothing and fails when they are not up to date, or when a text has no finished translation.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
files=(translations/folder-batch-rename_zh_TW.ts translations/folder-batch-rename_en.ts)
update() { # the .ts file, its language
    "$lupdate" -silent -locations none -no-obsolete -source-language zh_CN \
        -target-language "$2" -extensions cpp,h src -ts "$1"
}
if [[ ${1:-} != --check ]]; then
    for file in "${files[@]}"; do
        language=${file##*rename_}
        update "$file" "${language%.ts}"
    done
    exit 0
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for file in "${files[@]}"; do
    language=${file##*rename_}
    cp "$file" "$scratch/"
    update "$scratch/${file##*/}" "${language%.ts}"
    if ! cmp -s "$file" "$scratch/${file##*/}"; then
        echo "$file is not up to date with the program's texts: run scripts/update-translations.sh" >&2
        diff -u "$file" "$scratch/${file##*/}" | head -40 >&2
        status=1
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$file"; then
        echo "$file has texts without a finished translation:" >&2
        grep -B3 'type="unfinished"' "$file" | grep '<source>' | head -20 >&2
        status=1
    fi
done
exit $status
