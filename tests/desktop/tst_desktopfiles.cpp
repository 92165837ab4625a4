// The launcher, the AppStream description and the icons agree with each other
// and with what is installed.

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString AppId = QStringLiteral(APP_ID);

QString contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString Launcher = contents(QStringLiteral(SOURCE_DIR "/desktop/%1.desktop").arg(AppId));
const QString Metainfo = contents(QStringLiteral(DESKTOP_BUILD_DIR "/%1.metainfo.xml").arg(AppId));

/// The first capture of `pattern` in `text`, "(missing)" when there is none.
QString found(const QString& text, const QString& pattern) {
    const auto match = QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("(missing)");
}

} // namespace

class TestDesktopFiles : public QObject {
    Q_OBJECT
    static QString key(const QString& name) { return found(Launcher, '^' + name + "=(.*)$"); }
    static QString tag(const QString& name) { return found(Metainfo, '<' + name + ">([^<]*)</"); }

private slots:
    void filesAgree_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        const QString program = QStringLiteral(PROGRAM_FILE_NAME);
        QTest::newRow("launcher starts the program") << key("Exec") << program;
        QTest::newRow("launcher names the program's window") << key("StartupWMClass") << program;
        QTest::newRow("launcher names the icon") << key("Icon") << AppId;
        QTest::newRow("metainfo id") << tag("id") << AppId;
        QTest::newRow("metainfo names the launcher")
            << tag("launchable type=\"desktop-id\"") << AppId + ".desktop";
        QTest::newRow("metainfo names the program") << tag("binary") << program;
        QTest::newRow("metainfo name") << tag("name") << key("Name");
        QTest::newRow("metainfo release")
            << found(Metainfo, "<release version=\"([^\"]*)\"") << QStringLiteral(PROGRAM_VERSION);
    }
    void filesAgree() {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        QCOMPARE(given, expected);
    }

    /// The picture the description shows, at least AppStream's smallest screenshot.
    void screenshotExists() {
        const QString url = tag("image");
        const QImage screenshot(QStringLiteral(SOURCE_DIR) + url.mid(url.lastIndexOf("/docs/")));
        QVERIFY2(url.contains("/docs/") && screenshot.width() >= 620 && screenshot.height() >= 420,
                 qPrintable(url));
    }

    void iconAtEverySize_data() {
        QTest::addColumn<int>("size");
        for (const QString& size : QStringLiteral(ICON_SIZES).split(','))
            QTest::newRow(qPrintable(size + " px")) << size.toInt();
    }
    /// Each size drawn from the picture: a rounded card, transparent in its corners.
    void iconAtEverySize() {
        QFETCH(int, size);
        const QImage icon(
            QStringLiteral(DESKTOP_BUILD_DIR "/icons/%1x%1/apps/%2.png").arg(size).arg(AppId));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(qAlpha(icon.pixel(0, 0)) == 0 && qAlpha(icon.pixel(size / 2, size / 2)) == 255);
    }
};

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
