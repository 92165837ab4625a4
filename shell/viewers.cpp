#include "viewers.h"

#include "accessiblewindow.h"
#include "buttonicons.h"
#include "pagerenderer.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

// --- PageView ------------------------------------------------------------------

PageView::PageView(const Help::Book& book, int index, QWidget* parent)
    : QWidget(parent)
    , m_index(index) {
    setBook(book);
}

void PageView::setBook(const Help::Book& book) {
    m_book = &book;
    m_renderer.reset();
    const int count = int(book.pages.size());
    const Help::Page& page = book.pages.at(std::size_t(m_index));
    setAccessibleName(
        Viewer::tr("Página %1 de %2: %3").arg(m_index + 1).arg(count).arg(page.title));
    setAccessibleDescription(Help::plainText(page));
    update();
}

PageView::~PageView() = default;

void PageView::paintEvent(QPaintEvent*) {
    if (!m_renderer) m_renderer = std::make_unique<Help::PageRenderer>(*m_book, m_index);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -3, -3);
    const double scale = std::min(area.width() / Help::PageRenderer::Width,
                                  area.height() / Help::PageRenderer::Height);
    const QSizeF sheet(Help::PageRenderer::Width * scale, Help::PageRenderer::Height * scale);
    const QRectF target(area.center() - QPointF(sheet.width() / 2, sheet.height() / 2), sheet);
    painter.fillRect(target.translated(2, 2), QColor(0, 0, 0, 40)); // a soft shadow
    m_renderer->paintInto(painter, target);
    painter.setPen(QColor(0xb0, 0xb0, 0xb0));
    painter.drawRect(target);
}

// --- Viewer --------------------------------------------------------------------

namespace {
constexpr int RowHeight = 40;
}

Viewer::Viewer(HelpPage which, const QString& name, const QString& caption, QSize outerTwips,
               QPoint pageTwips)
    : m_which(which)
    , m_pageOrigin(pageTwips / Twips)
    , m_buttonRow(new QWidget(this))
    , m_setaE(arrowButton(QStringLiteral("SetaE"), QStringLiteral("seta-esquerda")))
    , m_setaD(arrowButton(QStringLiteral("SetaD"), QStringLiteral("seta-direita")))
    , m_command1(new QPushButton(m_buttonRow)) {
    announceAsWindow("Viewer");
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(outerTwips / Twips - FrameAllowance);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setIcon(buttonIcon(QStringLiteral(":/icons/fechar.svg")));
    setButtonTexts();
    auto* row = new QHBoxLayout(m_buttonRow);
    row->setContentsMargins(8, 4, 8, 6);
    row->addWidget(m_setaE);
    row->addWidget(m_setaD);
    row->addStretch(1);
    row->addWidget(m_command1);
    connect(m_setaE, &QToolButton::clicked, this, [this] { previousPage(); });
    connect(m_setaD, &QToolButton::clicked, this, [this] { nextPage(); });
    connect(m_command1, &QPushButton::clicked, this, &QWidget::hide);
    addKeys();
}

QToolButton* Viewer::arrowButton(const QString& name, const QString& icon) {
    auto* button = new QToolButton(m_buttonRow);
    button->setObjectName(name);
    button->setIcon(buttonIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(false);
    return button;
}

void Viewer::setButtonTexts() {
    for (auto [button, label] :
         {std::pair{m_setaE, tr("Página anterior")}, std::pair{m_setaD, tr("Página seguinte")}}) {
        button->setAccessibleName(label);
        button->setToolTip(label);
    }
    m_command1->setText(tr("Fechar"));
    m_command1->setToolTip(tr("Fechar esta janela"));
}

void Viewer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    setButtonTexts();
    const Help::Book& book = Help::book(m_which);
    for (PageView* page : m_pages)
        page->setBook(book);
    retranslate();
}

/// Left and right arrows (and the page keys) turn pages; Escape closes.
void Viewer::addKeys() {
    const auto press = [this](QKeySequence key, QAbstractButton* button) {
        connect(new QShortcut(key, this), &QShortcut::activated, button, [button] {
            if (button->isEnabled() && !button->isHidden()) button->click();
        });
    };
    press(Qt::Key_Left, m_setaE);
    press(Qt::Key_PageUp, m_setaE);
    press(Qt::Key_Right, m_setaD);
    press(Qt::Key_PageDown, m_setaD);
    press(Qt::Key_Escape, m_command1);
}

void Viewer::createPages() {
    const Help::Book& book = Help::book(m_which);
    for (int i = 0; i < int(book.pages.size()); ++i) {
        auto* page = new PageView(book, i, this);
        page->setObjectName(pageName(i + 1));
        m_pages.push_back(page);
    }
}

int Viewer::visiblePage() const {
    for (int i = 1; i <= pageCount(); ++i)
        if (!pageView(i)->isHidden()) return i;
    return 0;
}

/// Every page picture stands at the same place, above the row of buttons.
void Viewer::resizeEvent(QResizeEvent*) {
    const QRect row(0, height() - RowHeight, width(), RowHeight);
    m_buttonRow->setGeometry(row);
    const QRect pages(m_pageOrigin,
                      QPoint(width() - m_pageOrigin.x(), row.top() - 1) - QPoint(1, 1));
    for (PageView* page : m_pages)
        page->setGeometry(pages);
}

// --- PagedViewer ---------------------------------------------------------------

namespace {

struct PagedLayout {
    HelpPage which;
    const char* name;
    const char* caption;
    QSize twips;
    const char* spoken; ///< for a screen reader, where the caption does not say what it is
};

constexpr PagedLayout PagedLayouts[] = {
    {HelpPage::Instrucoes,
     "Form10",
     "ORTOPLANO PLANA",
     {7035, 10500},
     "Instruções — ORTOPLANO PLANA"},
    {HelpPage::Sintaxe, "Form13", "SINTAXE", {7350, 11310}, ""},
    {HelpPage::Funcoes, "Form14", "FUNÇÕES DEFINIDAS", {7245, 10965}, ""},
};

const PagedLayout& pagedLayout(HelpPage which) {
    for (const PagedLayout& layout : PagedLayouts)
        if (layout.which == which) return layout;
    return PagedLayouts[0];
}

QLabel* rowLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

PagedViewer::PagedViewer(HelpPage which)
    : Viewer(which, QString::fromUtf8(pagedLayout(which).name),
             QString::fromUtf8(pagedLayout(which).caption), pagedLayout(which).twips,
             QPoint(60, 120)) {
    setAccessibleName(QString::fromUtf8(pagedLayout(which).spoken));
    createPages();
    addPageLabels();
    showFirstPage();
}

QString PagedViewer::pageName(int i) const {
    return QStringLiteral("Image1_%1").arg(i);
}

/// "Página", the page number and "de  N", between the arrows and "Fechar".
void PagedViewer::addPageLabels() {
    auto* row = static_cast<QHBoxLayout*>(buttonRow()->layout());
    m_label1 = rowLabel(QStringLiteral("Label1"), QString(), buttonRow());
    m_label2 = rowLabel(QStringLiteral("Label2"), QStringLiteral("1"), buttonRow());
    m_label3 = rowLabel(QStringLiteral("Label3"), QString(), buttonRow());
    m_label2->setMinimumWidth(m_label2->fontMetrics().horizontalAdvance(QStringLiteral("88")));
    m_label2->setAlignment(Qt::AlignCenter);
    row->insertSpacing(2, 12);
    row->insertWidget(3, m_label1);
    row->insertWidget(4, m_label2);
    row->insertWidget(5, m_label3);
    retranslate();
}

void PagedViewer::retranslate() {
    m_label1->setText(Viewer::tr("Página"));
    m_label3->setText(Viewer::tr("de  %1").arg(pageCount()));
}

void PagedViewer::showFirstPage() {
    for (int i = 2; i <= pageCount(); ++i)
        pageView(i)->hide();
    setaE()->setEnabled(false);
    m_page = 1;
    m_label2->setText(QString::number(m_page));
}

void PagedViewer::showPage(int from, int to) {
    pageView(from)->hide();
    pageView(to)->show();
    m_page = to;
}

void PagedViewer::nextPage() {
    if (!pageView(m_page)->isHidden() && m_page != pageCount()) {
        showPage(m_page, m_page + 1);
        setaE()->setEnabled(true);
    }
    if (m_page == pageCount()) setaD()->setEnabled(false);
    m_label2->setText(QString::number(m_page));
}

void PagedViewer::previousPage() {
    if (!pageView(m_page)->isHidden() && m_page != 1) {
        showPage(m_page, m_page - 1);
        setaD()->setEnabled(true);
    }
    if (m_page == 1) {
        setaE()->setEnabled(false);
        setaD()->setEnabled(true);
    }
    m_label2->setText(QString::number(m_page));
}

// --- IndexViewer ---------------------------------------------------------------

namespace {
/// The index does not size itself; this matches the syntax viewer.
constexpr QSize IndexTwips{7350, 11310};
} // namespace

IndexViewer::IndexViewer()
    : Viewer(HelpPage::Indice, QStringLiteral("Form12"), QStringLiteral("ORTOPLANO"), IndexTwips,
             QPoint(120, 120)) {
    retranslate();
    createPages();
    showFirstPage();
}

void IndexViewer::retranslate() {
    setAccessibleName(Viewer::tr("Índice — ORTOPLANO"));
}

QString IndexViewer::pageName(int i) const {
    return QStringLiteral("Image%1").arg(i);
}

void IndexViewer::showFirstPage() {
    pageView(1)->show();
    pageView(2)->hide();
    setaE()->hide();
}

void IndexViewer::nextPage() {
    pageView(1)->hide();
    pageView(2)->show();
    setaE()->show();
    setaD()->hide();
}

void IndexViewer::previousPage() {
    pageView(1)->show();
    pageView(2)->hide();
    setaE()->hide();
    setaD()->show();
}

Viewer* createViewer(HelpPage which) {
    if (which == HelpPage::Indice) return new IndexViewer;
    return new PagedViewer(which);
}
