#include "commandline.h"
#include "shell.h"
#include "translations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> done = CommandLine::run(argc, argv)) return *done;
    QApplication app(argc, argv);
    installQtTranslations();
    Shell shell;
    shell.show();
    return QApplication::exec();
}
