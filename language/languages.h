#pragma once

#include "language.h"
#include "sentences.h"

#include <QLocale>
#include <QObject>
#include <QSettings>
#include <QString>

/// The language the program speaks, chosen in the menu "Língua" and
/// remembered; where nothing was chosen, the system's: Brazilian Portuguese
/// where the system speaks it, else the sources' own spelling.
namespace languages {

using exact::Language;

/// The language of a system locale, when nothing was chosen.
Language forLocale(const QLocale& locale);
/// The language remembered in `settings`, or the locale's.
Language chosen(const QSettings& settings, const QLocale& system);
/// The language the program speaks now.
Language current();
/// Makes the program speak `language`: its own texts and Qt's (the file,
/// print, colour and message dialogs). Qt tells every window with a
/// LanguageChange event.
void apply(Language language);
/// Applies the remembered (or the system's) language: at the start.
void applyChosen();
/// Applies `language` and remembers it.
void choose(Language language);

/// Notes on a window made once and kept (hidden when closed) the language it
/// is made in.
void markLanguage(QObject* window);
/// Whether a window marked so was made in another language than the current.
bool madeInAnother(const QObject* window);

/// The entry of the menu "Língua" that names the language, as written in it.
QString menuName(Language language);
/// The worked solutions' sentences in the current language.
const exact::SentenceTable& sentences();

/// The settings of the program, where the choice is kept.
QSettings settings();

} // namespace languages
