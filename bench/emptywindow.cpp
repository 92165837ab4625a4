// bench_emptywindow: an empty Qt window titled "VAZIO", the yardstick that
// bench/startup.sh measures beside the program on the same display.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("VAZIO"));
    window.resize(400, 300);
    window.show();
    return QApplication::exec();
}
