#!/usr/bin/env bash
# Refreshes the translations' sources from the program's texts: every text
# given to tr(), QCoreApplication::translate() or QT_TRANSLATE_NOOP() enters
# translations/ortoplano_pt_PT.ts (the 1990 spelling) and
# translations/ortoplano_pt_BR.ts (Brazilian Portuguese), new ones marked
# unfinished until translated; texts gone from the sources leave. The build
# compiles the .ts files; tst_translations fails while one is unfinished.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
LUPDATE="$(command -v lupdate-qt6 || command -v /usr/lib/qt6/bin/lupdate || command -v lupdate)"
cd "$ROOT"
for lang in pt_PT pt_BR; do
    "$LUPDATE" -silent -locations none -no-obsolete -source-language pt -target-language "$lang" \
        -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE,QT_TRANSLATE_NOOP+=TRANSLATABLE_NOOP \
        exact interpreter practice board forms topics shell worksheet typeset textrules language main.cpp \
        -ts "translations/ortoplano_$lang.ts"
done
