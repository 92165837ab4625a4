#include "shell.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installQtTranslations();
    Shell shell;
    shell.show();
    return QApplication::exec();
}
