#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void installQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // European Portuguese first; the Brazilian texts of the standard dialogs
    // are close enough to serve where the former are missing.
    for (const char* name : {"qt_pt_PT", "qtbase_pt_PT", "qtbase_pt_BR"}) {
        if (translator->load(QLatin1String(name), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}
