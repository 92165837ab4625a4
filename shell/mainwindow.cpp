#include "mainwindow.h"

#include "displaylist.h"
#include "displaystyle.h"
#include "figures.h"
#include "languages.h"
#include "topictable.h"
#include "worksheetdialog.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QColor TitleBlue(0x1b, 0x2f, 0xa8);
const QColor TitleShadow(0xc3, 0xcb, 0xe8);
const QColor Text(0x30, 0x38, 0x46);

/// The title face, by name, with a free family standing in where it is missing.
QFont titleFont(int pixels, bool bold) {
    QFont font = namedFont(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

/// Squared paper behind the window's contents.
class Paper : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xf8, 0xf9, 0xfc));
        painter.setPen(QColor(0xe6, 0xea, 0xf4));
        for (int x = 12; x < width(); x += 24)
            painter.drawLine(x, 0, x, height());
        for (int y = 12; y < height(); y += 24)
            painter.drawLine(0, y, width(), y);
    }
};

} // namespace

const std::vector<MenuEntry>& menuEntries() {
    static const std::vector<MenuEntry> entries = [] {
        std::vector<MenuEntry> list;
        for (const TopicRow& row : TopicTable)
            list.push_back({row.menuName, row.menuCaption, row.topic});
        list.insert(
            list.end(),
            {{"Índice", QT_TRANSLATE_NOOP("TopicTable", "Índice"), HelpPage::Indice},
             {"Instruções", QT_TRANSLATE_NOOP("TopicTable", "Instruções"), HelpPage::Instrucoes},
             {"Sintaxe", QT_TRANSLATE_NOOP("TopicTable", "Sintaxe"), HelpPage::Sintaxe},
             {"FunçõesDefinidas", QT_TRANSLATE_NOOP("TopicTable", "Funções definidas"),
              HelpPage::Funcoes}});
        return list;
    }();
    return entries;
}

namespace {
// The items of the classroom display, kept in step with its settings.
QAction* projectorItem(QWidget* menu) {
    return ClassroomDisplay::instance().projectorAction(menu);
}
QAction* factorItem(QWidget* menu) {
    return ClassroomDisplay::instance().factorMenu(menu)->menuAction();
}
QAction* namesItem(QWidget* menu) {
    return ClassroomDisplay::instance().namesAction(menu);
}
} // namespace

const std::vector<ToolEntry>& toolEntries() {
    static const std::vector<ToolEntry> entries = {
        {"ResolucaoPassoAPasso", QT_TRANSLATE_NOOP("MainWindow", "Resolução passo a passo"),
         QKeySequence(Qt::CTRL | Qt::Key_R), [] { navigation().showSolution(nullptr); }, nullptr},
        {QT_TRANSLATE_NOOP("MainWindow", "Praticar"), QT_TRANSLATE_NOOP("MainWindow", "Praticar"),
         QKeySequence(Qt::CTRL | Qt::Key_E),
         [] {
             if (navigation().showPractice) navigation().showPractice(nullptr);
         },
         nullptr},
        {"FichaDeExercicios",
         QT_TRANSLATE_NOOP("MainWindow", "Ficha de exercícios"),
         {},
         [] { WorksheetDialog::showDialog(); },
         nullptr},
        {"ModoProjeccao", QT_TRANSLATE_NOOP("MainWindow", "Modo de projecção"),
         QKeySequence(Qt::Key_F8), nullptr, projectorItem},
        {"AmpliacaoProjeccao",
         QT_TRANSLATE_NOOP("MainWindow", "Ampliação na projecção"),
         {},
         nullptr,
         factorItem},
        {"NomesPontos", QT_TRANSLATE_NOOP("MainWindow", "Nomes dos pontos"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), nullptr, namesItem},
    };
    return entries;
}

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("ORTOPLANO"));
    buildMenu();
    auto* paper = new Paper(this);
    auto* grid = new QGridLayout(paper);
    grid->setContentsMargins(36, 28, 36, 28);
    grid->setHorizontalSpacing(48);
    grid->setVerticalSpacing(28);
    const Figure::Kind kinds[] = {Figure::Kind::CircleAndTangent, Figure::Kind::TriangleAndIncircle,
                                  Figure::Kind::MeetingLines, Figure::Kind::PointsOnAxes};
    for (int i = 0; i < 4; ++i) {
        auto* figure = new Figure(kinds[i], paper);
        figure->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        grid->addWidget(figure, i / 2, i % 2 == 0 ? 0 : 2);
    }
    grid->addWidget(buildTitle(), 0, 1, Qt::AlignCenter);
    grid->addWidget(buildCredit(), 1, 1, Qt::AlignCenter);
    grid->setColumnStretch(1, 1);
    setCentralWidget(paper);
    retranslate();
    resize(std::max(menuBar()->sizeHint().width() + 24, 980), 560);
}

void MainWindow::buildMenu() {
    QMenu* ficheiro = menuBar()->addMenu(QString());
    ficheiro->setObjectName(QStringLiteral("Ficheiro"));
    ficheiro->menuAction()->setObjectName(QStringLiteral("Ficheiro"));
    QAction* abandonar = ficheiro->addAction(QString());
    abandonar->setObjectName(QStringLiteral("AbandonarPrograma"));
    connect(abandonar, &QAction::triggered, this, [] { navigation().quit(); });
    for (const MenuEntry& entry : menuEntries()) {
        QAction* action = menuBar()->addAction(QString());
        action->setObjectName(QString::fromUtf8(entry.name));
        m_captions.push_back({action, entry.caption, "TopicTable"});
        if (const Topic* topic = std::get_if<Topic>(&entry.target)) {
            connect(action, &QAction::triggered, this, [t = *topic] { navigation().showTopic(t); });
        } else {
            const HelpPage page = std::get<HelpPage>(entry.target);
            connect(action, &QAction::triggered, this, [page] { navigation().showHelp(page); });
        }
    }
    buildToolsMenu();
    m_ficheiro = ficheiro;
    m_abandonar = abandonar;
}

/// The last menu, after the fourteen entries: the program's tools.
void MainWindow::buildToolsMenu() {
    QMenu* tools = menuBar()->addMenu(QString());
    m_tools = tools;
    tools->setObjectName(QStringLiteral("Ferramentas"));
    tools->menuAction()->setObjectName(QStringLiteral("Ferramentas"));
    for (const ToolEntry& entry : toolEntries()) {
        QAction* action = entry.item ? entry.item(tools) : new QAction(tools);
        m_captions.push_back({action, entry.caption, "MainWindow"});
        action->setObjectName(QString::fromUtf8(entry.name));
        action->setShortcut(entry.keys);
        if (entry.open) connect(action, &QAction::triggered, this, entry.open);
        tools->addAction(action);
    }
    buildLanguageMenu(tools);
}

/// "Língua": the three languages, each named in its own words; the one
/// spoken now is checked.
void MainWindow::buildLanguageMenu(QMenu* tools) {
    m_languages = tools->addMenu(QString());
    m_languages->setObjectName(QStringLiteral("Lingua"));
    m_languages->menuAction()->setObjectName(QStringLiteral("Lingua"));
    auto* group = new QActionGroup(m_languages);
    for (const languages::Language language : exact::AllLanguages) {
        QAction* action = m_languages->addAction(languages::menuName(language));
        action->setObjectName(QStringLiteral("Lingua_") +
                              QString::fromLatin1(exact::code(language).data()));
        action->setCheckable(true);
        action->setChecked(language == languages::current());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [language] { languages::choose(language); });
    }
}

/// Every text of the window in the program's language.
void MainWindow::retranslate() {
    menuBar()->setAccessibleName(tr("Menu principal"));
    m_ficheiro->setTitle(tr("Ficheiro"));
    m_abandonar->setText(tr("Abandonar o programa"));
    m_tools->setTitle(tr("Ferramentas"));
    m_languages->setTitle(tr("Língua"));
    for (const Caption& c : m_captions)
        c.action->setText(QCoreApplication::translate(c.context, c.text));
    for (QAction* action : m_languages->actions())
        action->setChecked(action->objectName().endsWith(
            QString::fromLatin1(exact::code(languages::current()).data())));
    m_credit[0]->setText(tr("Versão 2.2"));
    m_credit[1]->setText(tr("Um programa de"));
    m_credit[2]->setText(tr("Os autores do Ortoplano"));
    m_credit[3]->setText(tr("Distribuição livre para fins educativos"));
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    retranslate();
}

QLabel* MainWindow::label(const QString& name, const QString& text, int pixels, const QColor& color,
                          bool bold) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setFont(titleFont(pixels, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

/// "ORTOPLANO" twice, the front label over its shadow, and the version.
QWidget* MainWindow::buildTitle() {
    auto* block = new QWidget;
    auto* title = new QWidget(block);
    QLabel* shadow =
        label(QStringLiteral("Label6"), QStringLiteral("ORTOPLANO"), 76, TitleShadow, true);
    QLabel* front =
        label(QStringLiteral("Label1"), QStringLiteral("ORTOPLANO"), 76, TitleBlue, true);
    shadow->setParent(title);
    front->setParent(title);
    const QSize size = front->sizeHint();
    shadow->setGeometry(QRect(QPoint(5, 5), size));
    front->setGeometry(QRect(QPoint(0, 0), size));
    title->setFixedSize(size + QSize(5, 5));
    auto* column = new QVBoxLayout(block);
    column->addWidget(title, 0, Qt::AlignCenter);
    m_credit[0] = label(QStringLiteral("Label2"), QString(), 26, Text);
    column->addWidget(m_credit[0]);
    return block;
}

QWidget* MainWindow::buildCredit() {
    auto* block = new QWidget;
    auto* column = new QVBoxLayout(block);
    column->setSpacing(6);
    m_credit[1] = label(QStringLiteral("Label3"), QString(), 18, Text);
    m_credit[2] = label(QStringLiteral("Label4"), QString(), 24, TitleBlue, true);
    m_credit[3] = label(QStringLiteral("Label5"), QString(), 16, Text);
    for (int i = 1; i < 4; ++i)
        column->addWidget(m_credit[i]);
    return block;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_closing) navigation().quit();
}
