#include "shell.h"

#include <QMainWindow>

struct Shell::Private {
    QMainWindow window;
};

Shell::Shell()
    : d(std::make_unique<Private>()) {
    d->window.setWindowTitle(QStringLiteral("ORTOPLANO"));
}

Shell::~Shell() = default;

void Shell::show() {
    d->window.show();
}
