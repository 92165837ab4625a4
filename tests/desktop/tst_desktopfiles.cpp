// The launcher, the AppStream description and the icons agree with each other
// and with what is installed: the program the launcher starts, the icon it
// names, the launcher the description points to, the pictures it shows.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString AppId = QStringLiteral(APP_ID);

/// The keys of the [Desktop Entry] group.
QMap<QString, QString> desktopEntry(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QMap<QString, QString> keys;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

/// The texts of the metainfo file's leaf elements, by element name, and the
/// attributes that matter here.
struct Metainfo {
    QMultiMap<QString, QString> text;
    QString launchableType, releaseVersion;
};

Metainfo metainfo(const QString& path) {
    static const QStringList leaves{"id",  "name",  "summary",         "launchable",
                                    "url", "image", "project_license", "binary"};
    QFile file(path);
    Metainfo info;
    if (!file.open(QIODevice::ReadOnly)) return info;
    QXmlStreamReader xml(&file);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("launchable"))
            info.launchableType = xml.attributes().value(QLatin1String("type")).toString();
        if (name == QLatin1String("release"))
            info.releaseVersion = xml.attributes().value(QLatin1String("version")).toString();
        if (leaves.contains(name)) info.text.insert(name, xml.readElementText().trimmed());
    }
    return info;
}

QString launcherPath() {
    return QStringLiteral(SOURCE_DIR "/desktop/%1.desktop").arg(AppId);
}

QString metainfoPath() {
    return QStringLiteral(DESKTOP_BUILD_DIR "/%1.metainfo.xml").arg(AppId);
}

/// Whether the picture holds pixels of the program's pure blue and red.
bool hasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() == 255 && std::abs(c.red() - qRed(colour)) < 40 &&
                std::abs(c.green() - qGreen(colour)) < 40 &&
                std::abs(c.blue() - qBlue(colour)) < 40)
                return true;
        }
    return false;
}

} // namespace

class TestDesktopFiles : public QObject {
    Q_OBJECT
private slots:
    void launcherStartsTheProgramWithItsIcon();
    void metainfoDescribesTheLauncherAndTheProgram();
    void screenshotsAreInTheRepository();
    void licenceMatchesTheCopyingFile();
    void iconAtEverySize_data();
    void iconAtEverySize();
};

void TestDesktopFiles::launcherStartsTheProgramWithItsIcon() {
    const QMap<QString, QString> entry = desktopEntry(launcherPath());
    QCOMPARE(entry.value(QStringLiteral("Exec")), QStringLiteral(PROGRAM_FILE_NAME));
    QCOMPARE(entry.value(QStringLiteral("Icon")), AppId);
    QVERIFY(QFile::exists(QStringLiteral(SOURCE_DIR "/desktop/%1.svg").arg(AppId)));
    QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), QStringLiteral(PROGRAM_FILE_NAME));
    const QStringList categories = entry.value(QStringLiteral("Categories")).split(';');
    QVERIFY(categories.contains(QStringLiteral("Education")));
    QVERIFY(categories.contains(QStringLiteral("Math")));
}

void TestDesktopFiles::metainfoDescribesTheLauncherAndTheProgram() {
    const Metainfo info = metainfo(metainfoPath());
    QCOMPARE(info.text.value(QStringLiteral("id")), AppId);
    QCOMPARE(info.launchableType, QStringLiteral("desktop-id"));
    QCOMPARE(info.text.value(QStringLiteral("launchable")), AppId + QStringLiteral(".desktop"));
    QCOMPARE(info.text.value(QStringLiteral("binary")), QStringLiteral(PROGRAM_FILE_NAME));
    QCOMPARE(info.releaseVersion, QStringLiteral(PROGRAM_VERSION));
    QCOMPARE(info.text.value(QStringLiteral("name")),
             desktopEntry(launcherPath()).value(QStringLiteral("Name")));
}

void TestDesktopFiles::screenshotsAreInTheRepository() {
    const QStringList images = metainfo(metainfoPath()).text.values(QStringLiteral("image"));
    QVERIFY(!images.isEmpty());
    for (const QString& url : images) {
        const qsizetype docs = url.lastIndexOf(QLatin1String("/docs/"));
        QVERIFY2(docs > 0, qPrintable(url));
        const QImage picture(QStringLiteral(SOURCE_DIR) + url.mid(docs));
        QVERIFY2(!picture.isNull(), qPrintable(url));
        QVERIFY(picture.width() >= 620 && picture.height() >= 420); // AppStream's smallest
    }
}

void TestDesktopFiles::licenceMatchesTheCopyingFile() {
    const QString licence = metainfo(metainfoPath()).text.value(QStringLiteral("project_license"));
    QFile copying(QStringLiteral(SOURCE_DIR "/COPYING"));
    QVERIFY(copying.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString head = QString::fromUtf8(copying.read(200)).simplified();
    QCOMPARE(licence, QStringLiteral("GPL-3.0-or-later"));
    QVERIFY(head.startsWith(QLatin1String("GNU GENERAL PUBLIC LICENSE Version 3")));
}

void TestDesktopFiles::iconAtEverySize_data() {
    QTest::addColumn<int>("size");
    for (const QString& size : QStringLiteral(ICON_SIZES).split(QLatin1Char(',')))
        QTest::newRow(qPrintable(size + QLatin1String(" px"))) << size.toInt();
}

void TestDesktopFiles::iconAtEverySize() {
    QFETCH(int, size);
    const QImage icon(
        QStringLiteral(DESKTOP_BUILD_DIR "/icons/%1x%1/apps/%2.png").arg(size).arg(AppId));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(hasColour(icon, qRgb(0, 0, 255)));
    QVERIFY(hasColour(icon, qRgb(255, 0, 0)));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0); // a rounded card, not a full square
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

QTEST_GUILESS_MAIN(TestDesktopFiles)
#include "tst_desktopfiles.moc"
