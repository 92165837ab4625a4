#include "commandline.h"
#include "languages.h"
#include "shell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> done = CommandLine::run(argc, argv)) return *done;
    QApplication app(argc, argv);
    languages::applyChosen();
    Shell shell;
    shell.show();
    return QApplication::exec();
}
