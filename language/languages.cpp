#include "languages.h"

#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <memory>

namespace languages {
namespace {

const QString SettingsKey = QStringLiteral("lingua");

Language g_current = Language::Pre1990;

/// The translators installed now, the last one first asked.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) return;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

/// Qt's own texts: the Brazilian ones are the most complete, and serve
/// Portugal where its own texts (and the program's European words for the
/// dialogs, in qtbase_pt) say nothing.
void installQt(Language language) {
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    install(QStringLiteral("qtbase_pt_BR"), qtFolder);
    if (language == Language::Brazil) return;
    install(QStringLiteral("qt_pt_PT"), qtFolder);
    install(QStringLiteral("qtbase_pt"), QStringLiteral(":/i18n"));
}

Language fromCode(const QString& code, Language fallback) {
    for (const Language l : exact::AllLanguages)
        if (code == QLatin1String(exact::code(l).data(), qsizetype(exact::code(l).size())))
            return l;
    return fallback;
}

} // namespace

Language forLocale(const QLocale& locale) {
    const bool brazil =
        locale.language() == QLocale::Portuguese && locale.territory() == QLocale::Brazil;
    return brazil ? Language::Brazil : Language::Pre1990;
}

Language chosen(const QSettings& settings, const QLocale& system) {
    return fromCode(settings.value(SettingsKey).toString(), forLocale(system));
}

Language current() {
    return g_current;
}

void apply(Language language) {
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    g_current = language;
    practice::setTranslator([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    installQt(language);
    if (language != Language::Pre1990)
        install(QStringLiteral("ortoplano_") + QString::fromLatin1(exact::code(language).data()),
                QStringLiteral(":/i18n"));
}

void applyChosen() {
    apply(chosen(settings(), QLocale::system()));
}

void choose(Language language) {
    settings().setValue(SettingsKey, QString::fromLatin1(exact::code(language).data()));
    apply(language);
}

void markLanguage(QObject* window) {
    window->setProperty("ortoplanoLanguage", int(g_current));
}

bool madeInAnother(const QObject* window) {
    return window->property("ortoplanoLanguage").toInt() != int(g_current);
}

QString menuName(Language language) {
    switch (language) {
    case Language::Ao1990:
        return QStringLiteral("Português (Acordo Ortográfico de 1990)");
    case Language::Brazil:
        return QStringLiteral("Português do Brasil");
    case Language::Pre1990:
        break;
    }
    return QStringLiteral("Português (grafia anterior a 1990)");
}

const exact::SentenceTable& sentences() {
    return exact::SentenceTable::of(g_current);
}

QSettings settings() {
    return QSettings(QStringLiteral("Ortoplano"), QStringLiteral("Ortoplano"));
}

} // namespace languages
