#!/usr/bin/env bash
# Every user-visible text of the program's sources and forms has a finished Simplified Chinese
# translation: lupdate merges the current texts into a copy of the translation file, and any
# text it has to add (or whose translation is unfinished) is listed and fails the check.
# Arguments: <app source dir>.
set -euo pipefail
app=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$app/translations/veltmar.zh_CN.ts" "$work/check.ts"
lupdate -silent -locations none "$app/src" "$app/forms" -ts "$work/check.ts" > /dev/null
untranslated=$(grep -B3 'type="unfinished"' "$work/check.ts" | grep '<source>' || true)
if [ -n "$untranslated" ]; then
    echo "Texts without a Chinese translation:"
    echo "$untranslated"
    exit 1
fi
echo "every text translated"
