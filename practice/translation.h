#pragma once

// How the texts of the exercises reach the program's language. They are
// written here in Portuguese before the 1990 orthographic agreement and
// marked for Qt's translation tools (scripts/update-translations.sh), which
// gather them into the translations of the windows; the windows give the
// library a translator, and each text is asked of it when an exercise is
// made or checked. Without a translator, texts stay as written.

#include "translatable.h"

#include <functional>
#include <string>

namespace practice {

/// Gives `text`, of `context`, in the program's language.
using Translator = std::function<std::string(const char* context, const char* text)>;
void setTranslator(Translator translator);

/// `text` in the program's language.
std::string translated(const char* context, const char* text);

} // namespace practice

/// A text of the exercises, in the program's language.
#define TRANSLATABLE(context, text) ::practice::translated(context, text)
