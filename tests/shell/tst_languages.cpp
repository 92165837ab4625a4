// The three languages: every text present in each, spelt as its dictionary
// spells it, none of one language in another; the choice, the system's
// language, Qt's own dialogs and the command line.

#include "checker.h"
#include "choices.h"
#include "languages.h"
#include "mainwindow.h"
#include "practicewindow.h"
#include "shell.h"
#include "solutionview.h"
#include "solutionwindow.h"
#include "viewers.h"
#include "worksheetdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>
#include <map>

using languages::Language;
Q_DECLARE_METATYPE(Language)

namespace {

const QString Root = QStringLiteral(SOURCE_DIR);

QString codeOf(Language l) {
    return QString::fromLatin1(exact::code(l).data(), qsizetype(exact::code(l).size()));
}

/// One message of a Qt Linguist file.
struct Message {
    QString context, source, translation, type;
};

std::vector<Message> messagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("message")) messages.push_back({context, {}, {}, {}});
        if (xml.name() == QLatin1String("source")) messages.back().source = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText();
        }
    }
    return messages;
}

QString tsFile(Language l) {
    return Root + QStringLiteral("/translations/ortoplano_%1.ts").arg(codeOf(l));
}

/// The mathematics written in each template of a language's table, the
/// pieces between two "$", read from the file as it is written.
std::map<QString, QStringList> formulasOf(Language l) {
    QFile file(Root + QStringLiteral("/exact/sentences-%1.txt").arg(codeOf(l)));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("cannot read the table");
    std::map<QString, QStringList> formulas;
    static const QRegularExpression piece(QStringLiteral("\\$([^$]*)\\$"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || equals < 0) continue;
        QStringList& pieces = formulas[line.left(equals).trimmed()];
        for (const QRegularExpressionMatch& m : piece.globalMatch(line.mid(equals + 1)))
            pieces << m.captured(1);
        pieces.sort();
    }
    return formulas;
}

/// The templates of a language's sentence table, their slots left out.
QStringList sentenceTexts(Language l) {
    const exact::SentenceTable& table = exact::SentenceTable::of(l);
    QStringList texts;
    for (const std::string& key : table.keys()) {
        std::vector<exact::Slot> values;
        for (const std::string& name : table.slotsOf(key))
            values.push_back({name, exact::words(" ")});
        texts << QString::fromStdString(exact::linearText(table.fill(key, values), ","));
    }
    return texts;
}

/// Every text a language has of its own: its translations and its sentences.
QStringList ownTexts(Language l) {
    QStringList texts = sentenceTexts(l);
    for (const Message& m : messagesOf(tsFile(l)))
        texts << m.translation;
    return texts;
}

/// Words of another spelling or language that must not appear.
QStringList foreignWords(Language l) {
    const QStringList pre1990 = {
        "recta",        "rectas",      "projecção",  "projecções", "exacta",   "exacto",
        "exactas",      "vector",      "vectores",   "vectorial",  "director", "bissectriz",
        "bissectrizes", "intersecção", "factor",     "factores",   "fracção",  "fracções",
        "rectângulo",   "correcto",    "subtracção", "co-seno",    "RECTA"};
    const QStringList european =
        QString("ficheiro|ficheiros|ecrã|guardar|guardada|abcissa|abcissas|declive|binómio|"
                "binómios|grelha|utilizador|Ficha de exercícios|intermédio")
            .split('|');
    const QStringList brazilian = {"arquivo",      "tela",  "abscissa", "salvar",
                                   "binômio",      "grade", "usuário",  "coeficiente linear",
                                   "intermediário"};
    switch (l) {
    case Language::Ao1990:
        return pre1990 + brazilian;
    case Language::Brazil:
        return pre1990 + european;
    case Language::Pre1990:
        break;
    }
    // The sources' own texts: some are written in the later spelling ("Reta 1" in
    // the main menu), none in Brazil's words.
    return brazilian;
}

/// The first foreign word a text holds, or an empty string.
QString foreignWordIn(const QString& text, Language l) {
    for (const QString& word : foreignWords(l)) {
        const QRegularExpression whole(
            QStringLiteral("(?<![\\w-])%1(?![\\w-])").arg(QRegularExpression::escape(word)),
            QRegularExpression::CaseInsensitiveOption |
                QRegularExpression::UseUnicodePropertiesOption);
        if (whole.match(text).hasMatch()) return word;
    }
    return {};
}

/// The words hunspell is asked about: slots ("{what}"), what is typed
/// (between backquotes), pieces with digits, options ("--saida") and symbols
/// (one or two letters, "ax", "tg", or three capitals, "PNG") left out.
QStringList wordsOf(const QStringList& texts) {
    static const QRegularExpression word(QStringLiteral("[\\p{L}]+(?:-[\\p{L}]+)*"));
    static const QRegularExpression slotOrTyped(QStringLiteral("\\{[^}]*\\}|`[^`]*`"));
    QStringList words;
    for (QString text : texts)
        for (const QString& piece :
             text.remove(slotOrTyped).split(QRegularExpression(QStringLiteral("[\\s/(),;:]+")))) {
            if (piece.contains(QRegularExpression(QStringLiteral("\\d|^-|^&?\\*|_")))) continue;
            QString plain = piece;
            plain.remove(QLatin1Char('&'));
            for (auto it = word.globalMatch(plain); it.hasNext();) {
                const QString w = it.next().captured();
                if (w.size() <= 2 || (w.size() == 3 && w == w.toUpper())) continue;
                words << (w == w.toUpper() ? w.toLower() : w);
            }
        }
    words.removeDuplicates();
    return words;
}

/// The words of the texts that the language's dictionary (Portugal's or Brazil's) does
/// not know.
QStringList misspelt(const QStringList& texts, Language l) {
    const QString dictionary =
        l == Language::Brazil ? QStringLiteral("pt_BR") : QStringLiteral("pt_PT");
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-d"), dictionary, QStringLiteral("-p"),
                    Root + QStringLiteral("/translations/words-pt.txt"), QStringLiteral("-l")});
    if (!hunspell.waitForStarted()) return {QStringLiteral("(hunspell is not installed)")};
    hunspell.write(wordsOf(texts).join(QLatin1Char('\n')).toUtf8() + '\n');
    hunspell.closeWriteChannel();
    hunspell.waitForFinished();
    QStringList out = QString::fromUtf8(hunspell.readAllStandardOutput()).split(QLatin1Char('\n'));
    out.removeAll(QString());
    out.removeDuplicates();
    return out;
}

/// The texts a window shows or says, each under the path of object names
/// that finds it again in the other languages.
void collectTexts(QObject* object, const QString& path, QMap<QString, QString>& texts) {
    const auto put = [&](const QString& what, const QString& text) {
        texts.insert(path + QLatin1Char('|') + what, text);
    };
    if (auto* w = qobject_cast<QWidget*>(object)) {
        put(QStringLiteral("tip"), w->toolTip());
        put(QStringLiteral("title"), w->windowTitle());
        put(QStringLiteral("name"), w->accessibleName());
        put(QStringLiteral("description"), w->accessibleDescription());
        for (QAction* a : w->actions())
            put(QStringLiteral("action ") + a->objectName(), a->text());
    }
    if (auto* l = qobject_cast<QLabel*>(object)) put(QStringLiteral("text"), l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(object)) put(QStringLiteral("text"), b->text());
    if (auto* g = qobject_cast<QGroupBox*>(object)) put(QStringLiteral("text"), g->title());
    if (auto* m = qobject_cast<QMenu*>(object)) put(QStringLiteral("text"), m->title());
    int unnamed = 0;
    for (QObject* child : object->children()) {
        const QString name = child->objectName().isEmpty() ? QStringLiteral("#%1").arg(unnamed++)
                                                           : child->objectName();
        collectTexts(child, path + QLatin1Char('/') + name, texts);
    }
}

/// Every window of the program open, in a language: the main window, each
/// topic's form, the help pages, "Resolução" and "Praticar".
QMap<QString, QString> windowTexts(Language l) {
    languages::apply(l);
    Shell shell{ShellHooks{{}, [] {}}};
    shell.show();
    for (int t = 0; t < TopicCount; ++t)
        shell.showTopic(Topic(t));
    for (HelpPage page :
         {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe, HelpPage::Funcoes})
        shell.showHelp(page);
    shell.showSolution(nullptr);
    shell.showPractice(nullptr);
    WorksheetDialog::showDialog();
    QMap<QString, QString> texts;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->objectName().isEmpty())
            collectTexts(window, window->objectName(), texts);
    shell.quit();
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide(); // the dialog, made once, is made again in the next language
    return texts;
}

/// The windows that follow a change of language at once: the help pages and
/// "Resolução", opened in a shell; "Resolução" shows `solution`.
void openFollowers(Shell& shell, const exact::Solution& solution) {
    for (HelpPage page :
         {HelpPage::Instrucoes, HelpPage::Indice, HelpPage::Sintaxe, HelpPage::Funcoes})
        shell.showHelp(page);
    shell.showSolution(nullptr);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* solutionWindow = qobject_cast<SolutionWindow*>(window))
            solutionWindow->showInstead(nullptr, solution);
}

/// The texts of the open help pages and "Resolução".
QMap<QString, QString> followersTexts() {
    QMap<QString, QString> texts;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() &&
            (qobject_cast<Viewer*>(window) || qobject_cast<SolutionWindow*>(window)))
            collectTexts(window, window->objectName(), texts);
    return texts;
}

/// A worked solution whose sentences differ between two languages, as the
/// sentence tables write it.
exact::Solution solutionDiffering(Language a, Language b) {
    for (const practice::FrameId& frame : practice::allFrames())
        if (practice::hasLevel(frame, practice::Level::Basico))
            if (const auto solution =
                    practice::workedSolution(practice::generate(frame, practice::Level::Basico, 3));
                solution && exact::plainText(*solution, ",", exact::SentenceTable::of(a)) !=
                                exact::plainText(*solution, ",", exact::SentenceTable::of(b)))
                return *solution;
    qFatal("no solution differs");
}

void addLanguageRows(std::initializer_list<Language> languages) {
    QTest::addColumn<Language>("language");
    for (Language l : languages)
        QTest::newRow(qPrintable(codeOf(l))) << l;
}

} // namespace

class tst_Languages : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { languages::apply(Language::Pre1990); }

    /// Every text of the sources has its translation, finished, with the same
    /// placeholders and slots: a new text left untranslated is caught here.
    void everyTextTranslated_data() { addLanguageRows({Language::Ao1990, Language::Brazil}); }
    void everyTextTranslated() {
        QFETCH(Language, language);
        const std::vector<Message> messages = messagesOf(tsFile(language));
        QVERIFY(messages.size() > 300);
        // Qt's %1 and the slots of the exercises' sentences, {P}.
        static const QRegularExpression placeholder(QStringLiteral("%\\d|\\{\\w+\\}"));
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": ") + m.source;
            QVERIFY2(m.type.isEmpty(), qPrintable(m.type + QStringLiteral(" — ") + where));
            QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where));
            QStringList inSource, inTranslation;
            for (auto it = placeholder.globalMatch(m.source); it.hasNext();)
                inSource << it.next().captured();
            for (auto it = placeholder.globalMatch(m.translation); it.hasNext();)
                inTranslation << it.next().captured();
            inSource.sort();
            inTranslation.sort();
            QVERIFY2(inSource == inTranslation, qPrintable(where));
        }
    }

    /// Each sentence table has the keys, the slots and the mathematics of the
    /// sources' own, and every template filled is a sentence.
    void sentenceTablesAlike_data() { addLanguageRows({Language::Ao1990, Language::Brazil}); }
    void sentenceTablesAlike() {
        QFETCH(Language, language);
        const exact::SentenceTable& own = exact::SentenceTable::portuguese();
        const exact::SentenceTable& table = exact::SentenceTable::of(language);
        QCOMPARE(table.keys(), own.keys());
        for (const std::string& key : own.keys()) {
            std::vector<std::string> a = own.slotsOf(key), b = table.slotsOf(key);
            std::sort(a.begin(), a.end());
            std::sort(b.begin(), b.end());
            QVERIFY2(a == b, key.c_str());
        }
        for (const QString& text : sentenceTexts(language))
            QVERIFY(text.trimmed().size() > 8);
        const std::map<QString, QStringList> ownFormulas = formulasOf(Language::Pre1990);
        const std::map<QString, QStringList> formulas = formulasOf(language);
        QCOMPARE(formulas.size(), own.keys().size());
        for (const auto& [key, pieces] : ownFormulas)
            QVERIFY2(formulas.at(key) == pieces, qPrintable(key + ": " + pieces.join(" · ")));
    }

    /// Each language's own texts (its translations and its sentences) hold no word of
    /// another: no "recta" in the 1990 spelling, no "ficheiro" in Brazil, no "arquivo" in
    /// Portugal; and they pass the language's dictionary, with the program's list of
    /// mathematical names.
    void ownTextsSpeakTheLanguage_data() { addLanguageRows({Language::Ao1990, Language::Brazil}); }
    void ownTextsSpeakTheLanguage() {
        QFETCH(Language, language);
        const QStringList texts = ownTexts(language);
        for (const QString& text : texts) {
            const QString word = foreignWordIn(text, language);
            QVERIFY2(word.isEmpty(), qPrintable(word + QStringLiteral(" in: ") + text));
        }
        QVERIFY(wordsOf(texts).size() > 500);
        const QStringList wrong = misspelt(texts, language);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char(' '))));
    }

    /// Every window in every language: each text the sources' spelling shows
    /// is there, and none holds a word of another language.
    void windowsSpeakTheLanguage_data() {
        addLanguageRows({Language::Pre1990, Language::Ao1990, Language::Brazil});
    }
    void windowsSpeakTheLanguage() {
        QFETCH(Language, language);
        const QMap<QString, QString> own = windowTexts(Language::Pre1990);
        const QMap<QString, QString> texts = windowTexts(language);
        QVERIFY(own.size() > 1000);
        int shown = 0;
        for (auto it = own.begin(); it != own.end(); ++it) {
            if (it.value().trimmed().isEmpty()) continue;
            ++shown;
            QVERIFY2(!texts.value(it.key()).trimmed().isEmpty(), qPrintable(it.key()));
            const QString word = foreignWordIn(texts.value(it.key()), language);
            QVERIFY2(word.isEmpty(), qPrintable(word + QStringLiteral(" in ") + it.key() +
                                                QStringLiteral(": ") + texts.value(it.key())));
        }
        QVERIFY(shown > 400);
    }

    /// Praticar's statements, whole sentences with every slot filled, the
    /// checker's messages for each slip and for an unreadable answer, and the
    /// captions, made in each language.
    void practiceSpeaksTheLanguage_data() {
        addLanguageRows({Language::Pre1990, Language::Ao1990, Language::Brazil});
    }
    void practiceSpeaksTheLanguage() {
        QFETCH(Language, language);
        languages::apply(language);
        QStringList texts;
        for (const practice::FrameId& frame : practice::allFrames()) {
            const auto level =
                std::find_if(std::begin(practice::AllLevels), std::end(practice::AllLevels),
                             [&](practice::Level l) { return practice::hasLevel(frame, l); });
            const practice::Exercise ex = practice::generate(frame, *level, 7);
            texts << QString::fromStdString(ex.statement)
                  << QString::fromStdString(practice::caption(frame))
                  << QString::fromStdString(practice::check(ex, "").text)
                  << QString::fromStdString(practice::check(ex, "2x+").text);
            for (const std::string& slip : practice::slipIds(frame))
                if (const std::string answer = practice::slipAnswer(ex, slip); !answer.empty())
                    texts << QString::fromStdString(practice::check(ex, answer).text);
            // Each level's statements, in their variants (the axis, the form asked).
            for (practice::Level l : practice::AllLevels)
                for (std::uint64_t seed = 1; practice::hasLevel(frame, l) && seed <= 6; ++seed)
                    texts << QString::fromStdString(practice::generate(frame, l, seed).statement);
        }
        QVERIFY(texts.size() > 150);
        for (const QString& text : texts) {
            QVERIFY(!text.trimmed().isEmpty());
            QVERIFY2(!text.contains(QLatin1Char('{')), qPrintable(text)); // every slot filled
            const QString word = foreignWordIn(text, language);
            QVERIFY2(word.isEmpty(), qPrintable(word + QStringLiteral(" in: ") + text));
        }
        if (language != Language::Pre1990) {
            const QStringList wrong = misspelt(texts, language);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char(' '))));
        }
    }

    /// The help pages and "Resolução", open at a change of language, speak the
    /// new one at once, as if opened in it: their buttons, their pages, and
    /// the solution drawn again in the new language's sentences.
    void helpAndSolutionFollowAtOnce() {
        const exact::Solution solution = solutionDiffering(Language::Pre1990, Language::Ao1990);
        languages::apply(Language::Pre1990);
        QMap<QString, QString> before, live;
        QImage drawnBefore, drawnLive, drawnAnew;
        {
            Shell shell{ShellHooks{{}, [] {}}};
            openFollowers(shell, solution);
            before = followersTexts();
            SolutionWindow* window = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* s = qobject_cast<SolutionWindow*>(w)) window = s;
            QVERIFY(window && window->view()->stepCount() > 0);
            drawnBefore = window->view()->grab().toImage();
            languages::apply(Language::Ao1990);
            QCoreApplication::sendPostedEvents();
            live = followersTexts();
            drawnLive = window->view()->grab().toImage();
            SolutionView anew; // the same solution, laid out afresh in the 1990 spelling
            anew.setTypesetStyle(window->view()->typesetStyle());
            anew.fitWidth(window->view()->width());
            anew.setSolution(solution, window->view()->shown());
            drawnAnew = anew.grab().toImage();
            shell.quit();
        }
        QVERIFY(drawnLive != drawnBefore);
        QCOMPARE(drawnLive, drawnAnew);
        Shell shell{ShellHooks{{}, [] {}}};
        openFollowers(shell, solution);
        const QMap<QString, QString> opened = followersTexts();
        shell.quit();
        QVERIFY(before.size() > 100);
        QCOMPARE(live.keys(), opened.keys());
        for (auto it = opened.begin(); it != opened.end(); ++it)
            QVERIFY2(live.value(it.key()) == it.value(), qPrintable(it.key()));
        QVERIFY(live != before);
    }

    /// "Praticar", open with an exercise and its answer checked, follows a
    /// change of language at once: it shows what the window made in the new
    /// language shows for the same exercise and answer.
    void practiceFollowsAtOnce() {
        const auto practise = [](PracticeWindow& window) {
            window.show();
            window.chooseTopic(Topic::Recta2);
            window.findChild<QPushButton*>("RecomecarContagem")->click();
            window.newExercise(5);
            window.findChild<QLineEdit*>("Resposta")->setText("(1 , 2)");
            window.verify();
        };
        const auto textsOf = [](PracticeWindow& window) {
            QMap<QString, QString> texts;
            collectTexts(&window, window.objectName(), texts);
            for (auto* box : window.findChildren<QComboBox*>())
                for (int i = 0; i < box->count(); ++i)
                    texts.insert(box->objectName() + QString::number(i), box->itemText(i));
            for (auto* field : window.findChildren<QLineEdit*>())
                texts.insert(field->objectName() + "|placeholder", field->placeholderText());
            return texts;
        };
        languages::apply(Language::Pre1990);
        PracticeWindow live({});
        practise(live);
        const QMap<QString, QString> before = textsOf(live);
        languages::apply(Language::Brazil);
        QCoreApplication::sendPostedEvents();
        const QMap<QString, QString> after = textsOf(live);
        PracticeWindow anew({});
        practise(anew);
        const QMap<QString, QString> made = textsOf(anew);
        QCOMPARE(after.keys(), made.keys());
        for (auto it = made.begin(); it != made.end(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(),
                     qPrintable(it.key() + ": " + after.value(it.key()) + " / " + it.value()));
        QVERIFY(after != before);
        QCOMPARE(live.findChild<QPushButton*>("VerResolucao")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_R));
    }

    /// The main window follows a change at once; the choice is remembered.
    void mainWindowFollowsAtOnce() {
        languages::apply(Language::Pre1990);
        MainWindow window;
        QMenuBar* bar = window.menuBar();
        QCOMPARE(bar->actions().front()->text(), "Ficheiro");
        QAction* brazil = window.findChild<QAction*>("Lingua_pt_BR");
        QVERIFY(brazil && brazil->text() == "Português do Brasil");
        brazil->trigger();
        QCoreApplication::sendPostedEvents(); // Qt posts LanguageChange to the windows
        QCOMPARE(languages::current(), Language::Brazil);
        QCOMPARE(languages::chosen(languages::settings(), QLocale(QLocale::English)),
                 Language::Brazil);
        QCOMPARE(bar->actions().front()->text(), "Arquivo");
        QCOMPARE(bar->actions().back()->menu()->title(), "Ferramentas");
        QCOMPARE(window.findChild<QMenu*>("Lingua")->title(), "Idioma");
        QVERIFY(window.findChild<QAction*>("Lingua_pt_BR")->isChecked());
        window.findChild<QAction*>("Lingua_pt_PT")->trigger();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(bar->actions().value(2)->text(), "Reta 1");
        QCOMPARE(window.findChild<QAction*>("ModoProjeccao")->text(), "Modo de projeção");
        QVERIFY(!window.findChild<QAction*>("Lingua_pt_BR")->isChecked());
        window.findChild<QAction*>("Lingua_pt")->trigger();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(window.findChild<QAction*>("ModoProjeccao")->text(), "Modo de projecção");
        QCOMPARE(
            languages::chosen(languages::settings(), QLocale(QLocale::Portuguese, QLocale::Brazil)),
            Language::Pre1990);
    }

    /// Nothing chosen, Brazil's locale gives Brazilian Portuguese and any other
    /// the sources' spelling; a choice made wins over the locale.
    void systemLanguage_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<Language>("expected");
        const auto row = [](const char* name, const char* remembered, const char* locale,
                            Language expected) {
            QTest::newRow(name) << QString(remembered) << QString(locale) << expected;
        };
        row("Brazil", "", "pt_BR", Language::Brazil);
        row("Portugal", "", "pt_PT", Language::Pre1990);
        row("elsewhere", "", "en_US", Language::Pre1990);
        row("Brazil, 1990 chosen", "pt_PT", "pt_BR", Language::Ao1990);
        row("unknown choice", "xx", "pt_BR", Language::Brazil);
    }
    void systemLanguage() {
        QFETCH(QString, remembered);
        QFETCH(QString, locale);
        QFETCH(Language, expected);
        QSettings settings(QDir::temp().filePath("ortoplano-languages.ini"), QSettings::IniFormat);
        settings.clear();
        if (!remembered.isEmpty()) settings.setValue("lingua", remembered);
        QCOMPARE(languages::chosen(settings, QLocale(locale)), expected);
    }

    /// Qt's own dialogs speak Portuguese in each language, Portugal's words in
    /// Portugal and Brazil's in Brazil.
    void qtDialogsInPortuguese_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("fileName");
        const auto row = [](const char* name, Language l, const char* save, const char* file) {
            QTest::newRow(name) << l << QString(save) << QString(file);
        };
        row("pt", Language::Pre1990, "Guardar", "&Nome do ficheiro:");
        row("pt_PT", Language::Ao1990, "Guardar", "&Nome do ficheiro:");
        row("pt_BR", Language::Brazil, "Salvar", "&Nome do arquivo:");
    }
    void qtDialogsInPortuguese() {
        QFETCH(Language, language);
        QFETCH(QString, save);
        QFETCH(QString, fileName);
        languages::apply(language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Save"), save);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), fileName);
        for (const char* english : {"Look in:", "Files of type:", "Detail View", "New Folder",
                                    "Back", "Parent Directory"})
            QVERIFY2(QCoreApplication::translate("QFileDialog", english) != english, english);
        QVERIFY(QCoreApplication::translate("QPrintDialog", "Print") == "Imprimir");
        QVERIFY(QCoreApplication::translate("QColorDialog", "&Basic colors") != "&Basic colors");
    }

    /// The command line speaks the environment's language.
    void commandLineLanguage_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("frame");
        for (const QStringList& row :
             {QStringList{"pt_BR", "pt_BR.UTF-8", "Uso:", "ARQUIVO", "reta1-1"},
              {"C", "C.UTF-8", "Utilização:", "FICHEIRO", "recta1-1"}})
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
    }
    void commandLineLanguage() {
        QFETCH(QString, lang);
        QFETCH(QString, usage);
        QFETCH(QString, file);
        QFETCH(QString, frame);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LC_ALL");
        env.remove("LC_MESSAGES");
        env.remove("LANGUAGE");
        env.insert("LANG", lang);
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORTOPLANO_EXECUTABLE), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(60000));
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(out.startsWith(usage), qPrintable(out.left(200)));
        QVERIFY(out.contains(file));
        QVERIFY(out.contains("\n    " + frame + " "));
    }

    /// The launcher and the AppStream description speak Brazilian Portuguese
    /// where the desktop does: each text has its [pt_BR] twin, in Brazil's words.
    void desktopFilesInBrazil() {
        QFile launcher(Root + "/desktop/pt.escola.Ortoplano.desktop");
        QVERIFY(launcher.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(launcher.readAll());
        for (const QString key : {"GenericName", "Comment", "Keywords"}) {
            const auto m = QRegularExpression("^" + key + "\\[pt_BR\\]=(.+)$",
                                              QRegularExpression::MultilineOption)
                               .match(entry);
            QVERIFY2(m.hasMatch(), qPrintable(key));
            QVERIFY2(foreignWordIn(m.captured(1), Language::Brazil).isEmpty(), qPrintable(key));
        }
        QFile metainfo(Root + "/desktop/pt.escola.Ortoplano.metainfo.xml.in");
        QVERIFY(metainfo.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&metainfo);
        QMap<QString, int> own, brazilian;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement()) continue;
            const QString name = xml.name().toString();
            if (!QStringList{"summary", "p", "li", "caption"}.contains(name)) continue;
            const bool brazil = xml.attributes().value("xml:lang") == QLatin1String("pt_BR");
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            ++(brazil ? brazilian : own)[name];
            if (brazil) QVERIFY2(foreignWordIn(text, Language::Brazil).isEmpty(), qPrintable(text));
        }
        QVERIFY(!own.isEmpty());
        QCOMPARE(brazilian, own);
    }

    /// `--problema` names a frame in either spelling, with or without accents.
    void frameNamesInEitherSpelling_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("same");
        for (const auto& [name, same] : {std::pair{"reta2", "recta2"},
                                         {"Reta1-3", "recta1-3"},
                                         {"circunferência1", "circunferencia1"},
                                         {"triângulo", "triangulo"}})
            QTest::newRow(name) << QString(name) << QString(same);
    }
    void frameNamesInEitherSpelling() {
        QFETCH(QString, name);
        QFETCH(QString, same);
        const auto a = worksheet::framesNamed(name, 1), b = worksheet::framesNamed(same, 1);
        QVERIFY(a && b && !a->empty());
        QCOMPARE(a->size(), b->size());
        for (std::size_t i = 0; i < a->size(); ++i)
            QVERIFY((*a)[i].frame == (*b)[i].frame);
        QCOMPARE(worksheet::levelNamed("intermediário"), worksheet::levelNamed("intermédio"));
    }
};

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
