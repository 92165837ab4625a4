#include "practicewindow.h"

#include "activation.h"
#include "answer.h"
#include "board.h"
#include "checker.h"
#include "choices.h"
#include "labelledcombo.h"
#include "problemform.h"
#include "topictable.h"
#include "windowplacement.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

using practice::FrameId;
using practice::Level;

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QComboBox* chooser(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    announceByName(box); // before anything asks for its interface
    box->setAccessibleName(name);
    return box;
}

/// A checker's sentence as rich text: the coordinates of a named point,
/// written x_A in the rules, with their index below ("x" and a small "A").
QString typeset(const QString& text) {
    static const QRegularExpression coordinate(QStringLiteral("\\b([xy])_([A-Z])\\b"));
    return text.toHtmlEscaped().replace(coordinate, QStringLiteral("<i>\\1</i><sub>\\2</sub>"));
}

/// A window's frame on the screen.
QRect frameOf(const QWidget* window) {
    return window->frameGeometry();
}

/// The drawing board of a form on the screen.
QRect boardOf(const ProblemForm* form) {
    const QWidget* board = form->board();
    return {board->mapToGlobal(QPoint(0, 0)), board->size()};
}

/// Moves and sizes a window to a frame.
void putAt(QWidget* window, const QRect& frame) {
    const QSize margins = window->frameGeometry().size() - window->size();
    window->resize(frame.size() - margins);
    window->move(frame.topLeft());
}

} // namespace

PracticeWindow::PracticeWindow(Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_hooks(std::move(hooks))
    , m_tallies(PracticeTally::load()) {
    setObjectName(QStringLiteral("Praticar"));
    // Going to "Praticar" and back to the form is not leaving the form: its
    // board keeps the exercise.
    ActivationTracker::markAsCompanion(this);
    auto* layout = new QVBoxLayout(this);
    buildChoosers();
    auto* grid = new QGridLayout;
    QComboBox* boxes[] = {m_topic, m_frame, m_level};
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLabel(this);
        m_labels[i]->setBuddy(boxes[i]);
        grid->addWidget(m_labels[i], i, 0);
        grid->addWidget(boxes[i], i, 1, 1, 2);
    }
    m_seed = new QLineEdit(this);
    m_seed->setObjectName(QStringLiteral("Semente"));
    m_seed->setMaxLength(9);
    m_seedLabel = new QLabel(this);
    m_seedLabel->setBuddy(m_seed);
    m_fresh = new QPushButton(this);
    m_fresh->setObjectName(QStringLiteral("NovoExercicio"));
    connect(m_fresh, &QPushButton::clicked, this, [this] { newExercise(); });
    connect(m_seed, &QLineEdit::returnPressed, this, [this] { newExercise(); });
    grid->addWidget(m_seedLabel, 3, 0);
    grid->addWidget(m_seed, 3, 1);
    grid->addWidget(m_fresh, 3, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("Numero"));
    m_statement = new QLabel(this);
    m_statement->setObjectName(QStringLiteral("Enunciado"));
    m_statement->setWordWrap(true);
    m_statement->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = m_statement->font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    m_statement->setFont(big);
    m_statement->setMinimumHeight(70);
    layout->addWidget(m_number);
    layout->addWidget(m_statement);
    layout->addLayout(buildAnswerRow());

    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("Veredicto"));
    m_verdict->setWordWrap(true);
    m_verdict->setTextFormat(Qt::RichText);
    m_verdict->setMinimumHeight(60);
    m_verdict->setFont(big);
    layout->addWidget(m_verdict);
    m_tally = new QLabel(this);
    m_tally->setObjectName(QStringLiteral("Contagem"));
    m_tally->setWordWrap(true);
    m_reset = new QPushButton(this);
    m_reset->setObjectName(QStringLiteral("RecomecarContagem"));
    connect(m_reset, &QPushButton::clicked, this, [this] {
        m_tallies.reset();
        m_tally->setText(m_tallies.text());
    });
    auto* tallyRow = new QHBoxLayout;
    tallyRow->addWidget(m_tally, 1);
    tallyRow->addWidget(m_reset, 0, Qt::AlignTop);
    layout->addLayout(tallyRow);
    layout->addStretch();
    m_verify->setEnabled(false);
    m_solution->setEnabled(false);
    const QList<QWidget*> order = {m_topic,  m_frame,  m_level,    m_seed,   m_fresh,
                                   m_answer, m_verify, m_solution, m_syntax, m_reset};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    retranslate();
    resize(560, 440);
}

/// Every text of the window in the program's language, the exercise on the
/// way and the verdict on its answer too.
void PracticeWindow::retranslate() {
    setWindowTitle(tr("Praticar"));
    const QString names[] = {tr("Tema"), tr("Problema"), tr("Nível")};
    QComboBox* boxes[] = {m_topic, m_frame, m_level};
    for (int i = 0; i < 3; ++i) {
        m_labels[i]->setText(names[i] + QLatin1Char(':'));
        boxes[i]->setAccessibleName(names[i]);
    }
    for (int i = 0; i < TopicCount; ++i)
        m_topic->setItemText(i, topicText(TopicTable[i].indexHeading));
    for (Level l : practice::AllLevels)
        m_level->setItemText(int(l), worksheet::levelText(l));
    const int frame = m_frame->currentIndex();
    fillFrames();
    m_frame->setCurrentIndex(frame);
    m_seed->setAccessibleName(tr("Semente"));
    m_seed->setPlaceholderText(tr("ao acaso"));
    m_seedLabel->setText(tr("Semente:"));
    m_fresh->setText(tr("Novo exercício"));
    m_answerLabel->setText(tr("Resposta:"));
    m_answer->setAccessibleName(tr("Resposta"));
    m_verify->setText(tr("Verificar"));
    m_verify->setToolTip(tr("Verifica a resposta (Enter)"));
    m_solution->setText(tr("Ver resolução"));
    m_solution->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R)); // setText takes it away
    m_solution->setToolTip(tr("Resolve o problema e mostra a resolução passo a passo (Ctrl+R)"));
    m_syntax->setText(tr("Como se escreve"));
    m_syntax->setToolTip(tr("Abre a página da sintaxe: números, pontos, equações e amplitudes"));
    m_reset->setText(tr("Recomeçar a contagem"));
    m_tally->setText(m_tallies.text());
    if (!m_exercise) {
        m_statement->setText(
            tr("Escolha o tema, o problema e o nível e carregue em «Novo exercício»."));
        return;
    }
    m_exercise = practice::generate(m_exercise->frame, m_askedLevel, m_askedSeed);
    writeExercise();
    if (m_checked) showCheck(practice::check(*m_exercise, *m_checked));
}

void PracticeWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) retranslate();
}

PracticeWindow::~PracticeWindow() = default;

/// "Resposta", "Verificar" (Return), "Ver resolução" (Ctrl+R), and under
/// them what the exercise asks for, with the page on how it is written.
QLayout* PracticeWindow::buildAnswerRow() {
    auto* column = new QVBoxLayout;
    auto* row = new QHBoxLayout;
    m_answerLabel = new QLabel(this);
    m_answer = new QLineEdit(this);
    m_answer->setObjectName(QStringLiteral("Resposta"));
    m_answer->setMaxLength(int(practice::MaxAnswerLength) + 1); // past it, a message says so
    m_answer->setMinimumWidth(200);
    m_answerLabel->setBuddy(m_answer);
    m_verify = new QPushButton(this);
    m_verify->setObjectName(QStringLiteral("Verificar"));
    m_solution = new QPushButton(this);
    m_solution->setObjectName(QStringLiteral("VerResolucao"));
    connect(m_verify, &QPushButton::clicked, this, &PracticeWindow::verify);
    connect(m_answer, &QLineEdit::returnPressed, this, &PracticeWindow::verify);
    connect(m_solution, &QPushButton::clicked, this, [this] { showSolution(); });
    row->addWidget(m_answerLabel);
    row->addWidget(m_answer, 1);
    row->addWidget(m_verify);
    row->addWidget(m_solution);
    column->addLayout(row);

    auto* hintRow = new QHBoxLayout;
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("FormaDaResposta"));
    m_hint->setWordWrap(true);
    m_syntax = new QPushButton(this);
    m_syntax->setObjectName(QStringLiteral("Sintaxe"));
    connect(m_syntax, &QPushButton::clicked, this, [this] {
        if (m_hooks.showSyntax) m_hooks.showSyntax();
    });
    hintRow->addWidget(m_hint, 1);
    hintRow->addWidget(m_syntax, 0, Qt::AlignTop);
    column->addLayout(hintRow);
    return column;
}

void PracticeWindow::buildChoosers() {
    m_topic = chooser(tr("Tema"), this);
    for (int i = 0; i < TopicCount; ++i)
        m_topic->addItem(QString());
    m_frame = chooser(tr("Problema"), this);
    m_level = chooser(tr("Nível"), this);
    for ([[maybe_unused]] Level l : practice::AllLevels)
        m_level->addItem(QString());
    connect(m_topic, &QComboBox::currentIndexChanged, this, &PracticeWindow::fillFrames);
    fillFrames();
}

void PracticeWindow::fillFrames() {
    m_frame->clear();
    m_frame->addItem(tr("qualquer um deste tema"));
    for (const FrameId& f : practice::framesOf(Topic(m_topic->currentIndex())))
        m_frame->addItem(qs(practice::caption(f)), qs(std::string(f.name())));
}

void PracticeWindow::chooseTopic(Topic topic) {
    m_topic->setCurrentIndex(int(topic));
}

Level PracticeWindow::chosenLevel() const {
    return Level(std::max(0, m_level->currentIndex()));
}

FrameId PracticeWindow::chosenFrame(std::uint64_t seed) const {
    const auto topic = Topic(m_topic->currentIndex());
    if (m_frame->currentIndex() > 0)
        return practice::problem(m_frame->currentData().toString().toStdString());
    std::vector<FrameId> frames;
    for (const FrameId& f : practice::framesOf(topic))
        if (practice::hasLevel(f, chosenLevel())) frames.push_back(f);
    if (frames.empty()) frames = practice::framesOf(topic);
    return frames[seed % frames.size()];
}

void PracticeWindow::newExercise(std::optional<std::uint64_t> seed) {
    bool typed = false;
    const qulonglong written = m_seed->text().toULongLong(&typed);
    const std::uint64_t s = seed    ? *seed
                            : typed ? written
                                    : QRandomGenerator::global()->bounded(1, 100000);
    try {
        m_exercise = practice::generate(chosenFrame(s), chosenLevel(), s);
    } catch (const practice::NoExercise&) { // the tests show it never happens
        m_verdict->setText(tr("Não foi possível criar um exercício deste problema."));
        return;
    }
    ++m_exercises;
    m_askedLevel = chosenLevel();
    m_askedSeed = s;
    m_checked.reset();
    m_answered = m_solved = false;
    m_reviewStep = 0;
    m_answer->clear();
    m_verdict->clear();
    writeExercise();
    m_verify->setEnabled(true);
    m_solution->setEnabled(true);
    if (m_hooks.openForm)
        if (ProblemForm* form = m_hooks.openForm(worksheet::topicOf(m_exercise->frame))) {
            if (form != m_form) form->installEventFilter(this);
            m_form = form;
            typeIntoForm(form);
            arrange(form);
        }
    raise();
    activateWindow();
    m_answer->setFocus();
}

void PracticeWindow::writeExercise() {
    const QString level = worksheet::levelText(m_exercise->level);
    m_number->setText(
        tr("Exercício %1 · semente %2 · %3").arg(m_exercises).arg(m_askedSeed).arg(level));
    m_statement->setText(qs(m_exercise->statement));
    showHint();
    if (m_exercise->level != m_askedLevel)
        showVerdict(tr("Este problema não tem exercícios do nível %1: este é do nível %2.")
                        .arg(worksheet::levelText(m_askedLevel), level),
                    palette().color(QPalette::WindowText));
}

/// What the answer is: an example in the field, the whole sentence under it.
void PracticeWindow::showHint() {
    m_answer->setPlaceholderText(qs(practice::answerExample(m_exercise->expected)));
    m_hint->setText(qs(practice::askedFor(m_exercise->expected)));
}

/// The exercise's data in the form's fields, its option marked, its result
/// labels emptied, and "Dados" pressed so that the data are drawn ("Resolver"
/// once the answer may be shown).
void PracticeWindow::typeIntoForm(ProblemForm* form) {
    for (const auto& [name, text] : m_exercise->fields)
        if (auto* field = form->findChild<QLineEdit*>(qs(name))) field->setText(qs(text));
    if (!m_exercise->option.empty())
        if (auto* option = form->findChild<QRadioButton*>(qs(m_exercise->option)))
            option->setChecked(true);
    auto* resolver = form->findChild<QAbstractButton*>(qs(m_exercise->resolverButton));
    if (resolver && resolver->parentWidget())
        for (QWidget* w : resolver->parentWidget()->findChildren<QWidget*>())
            if (w->objectName().startsWith(QLatin1String("Resultado")))
                w->setProperty("text", QString());
    pressOn(form, shownButton());
}

/// "Resolver" once the answer may be shown, "Dados" before (a frame without
/// "Dados" shows nothing until then).
const std::string& PracticeWindow::shownButton() const {
    return m_solved ? m_exercise->resolverButton : m_exercise->dadosButton;
}

bool PracticeWindow::holdsExercise(const ProblemForm* form) const {
    if (!m_exercise || form != m_form) return false;
    for (const auto& [name, text] : m_exercise->fields) {
        const auto* field = form->findChild<QLineEdit*>(qs(name));
        if (!field || field->text() != qs(text)) return false;
    }
    return true;
}

void PracticeWindow::pressOn(ProblemForm* form, const std::string& button) {
    if (button.empty()) return;
    if (auto* b = form->findChild<QAbstractButton*>(qs(button))) b->click();
}

/// Coming to the exercise's form from another window clears its board to
/// the axes: the exercise is drawn again, once the form has done so.
bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched == m_form &&
        ActivationTracker::previous() != m_form && holdsExercise(m_form)) {
        QMetaObject::invokeMethod(
            this,
            [this, form = m_form] {
                if (form && holdsExercise(form)) pressOn(form, shownButton());
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

/// The form and this window side by side, or this window over the form's
/// fields but never over its board; once.
void PracticeWindow::arrange(ProblemForm* form) {
    if (std::exchange(m_arranged, true)) return;
    const QScreen* screen = form->screen();
    if (!screen) return;
    const QRect f = frameOf(form);
    const QRect board = boardOf(form);
    const int gap = WindowPlace::Gap;
    const QSize size = frameOf(this).size();
    WindowPlace place{screen->availableGeometry(),
                      {board},
                      {{f.right() + gap, f.top()},
                       {board.right() + gap, f.top()},
                       {f.left(), f.bottom() + gap},
                       {screen->availableGeometry().right() - size.width(), f.top()}}};
    const QSize smallest = QSize(500, 400).boundedTo(geometry().size());
    putAt(this, place.place(size, smallest + (size - geometry().size())));
}

/// "Resolução" beside this window and the form, off the board and the verdict; once.
void PracticeWindow::placeSolution(QWidget* solution, const ProblemForm* form) {
    if (!solution || std::exchange(m_solutionPlaced, true)) return;
    const QScreen* screen = form->screen();
    if (!screen) return;
    const QRect me = frameOf(this);
    const QRect f = frameOf(form);
    const QRect board = boardOf(form);
    const int gap = WindowPlace::Gap;
    WindowPlace place{screen->availableGeometry(),
                      {board, me},
                      {{me.right() + gap, me.top()},
                       {me.left(), me.bottom() + gap},
                       {f.right() + gap, f.top()},
                       {board.right() + gap, me.bottom() + gap}}};
    putAt(solution, place.place(frameOf(solution).size(), QSize(360, 280)));
}

void PracticeWindow::verify() {
    if (!m_exercise) return;
    m_checked = m_answer->text().toStdString();
    const practice::Verdict v = practice::check(*m_exercise, *m_checked);
    showCheck(v);
    if (v.grade == practice::Grade::Unreadable || v.grade == practice::Grade::Incomplete)
        return; // no try: the pupil completes the answer
    const bool right = v.grade != practice::Grade::Errado;
    count(right);
    m_reviewStep = v.step;
    if (right && !m_solved && m_form && holdsExercise(m_form)) { // the answer drawn
        m_solved = true;
        pressOn(m_form, m_exercise->resolverButton);
    }
}

void PracticeWindow::showCheck(const practice::Verdict& verdict) {
    const QColor colour =
        verdict.grade == practice::Grade::Certo                 ? QColor(0, 128, 0)
        : verdict.grade == practice::Grade::CertoMasSimplifique ? QColor(160, 100, 0)
        : verdict.grade == practice::Grade::Errado              ? QColor(200, 0, 0)
                                                   : palette().color(QPalette::WindowText);
    showVerdict(qs(verdict.text), colour);
}

void PracticeWindow::showVerdict(const QString& text, const QColor& colour) {
    QPalette p = m_verdict->palette();
    p.setColor(QPalette::WindowText, colour);
    m_verdict->setPalette(p);
    m_verdict->setText(typeset(text));
}

void PracticeWindow::count(bool right) {
    if (std::exchange(m_answered, true)) return;
    m_tallies.add(m_exercise->frame.topic(), m_exercise->level, right);
    m_tally->setText(m_tallies.text());
}

void PracticeWindow::showSolution(int step) {
    if (!m_exercise || !m_hooks.openForm) return;
    count(false); // the solution seen before a right answer
    m_solved = true;
    ProblemForm* form = m_hooks.openForm(worksheet::topicOf(m_exercise->frame));
    if (!form) return;
    if (form != m_form) form->installEventFilter(this);
    m_form = form;
    typeIntoForm(form);
    std::optional<exact::Solution> solution = practice::workedSolution(*m_exercise);
    if (m_hooks.explain && solution) // the exercise's: it ends on what the exercise asks
        placeSolution(m_hooks.explain(form, std::move(*solution), step > 0 ? step : m_reviewStep),
                      form);
}
