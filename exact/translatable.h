#pragma once

// The marker of a text kept in a table as written, in Portuguese before the
// 1990 orthographic agreement, and given in the program's language where it
// is shown (QCoreApplication::translate() in the windows, practice's
// translator in the exercises). Qt's translation tools read it as
// QT_TRANSLATE_NOOP() (scripts/update-translations.sh); here it is the text.

/// `text`, of `context`, kept as written.
#define TRANSLATABLE_NOOP(context, text) text
