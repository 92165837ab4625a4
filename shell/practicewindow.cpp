#include "practicewindow.h"

#include "answer.h"
#include "checker.h"
#include "choices.h"
#include "problemform.h"
#include "topictable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QVBoxLayout>

using practice::FrameId;
using practice::Level;

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QComboBox* chooser(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(name);
    return box;
}

} // namespace

PracticeWindow::PracticeWindow(Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("Praticar"));
    setWindowTitle(tr("Praticar"));
    auto* layout = new QVBoxLayout(this);
    buildChoosers();
    auto* grid = new QGridLayout;
    const QString names[] = {tr("Tema"), tr("Problema"), tr("Nível")};
    QComboBox* boxes[] = {m_topic, m_frame, m_level};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(names[i] + QLatin1Char(':'), this);
        label->setBuddy(boxes[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(boxes[i], i, 1, 1, 2);
    }
    m_seed = new QLineEdit(this);
    m_seed->setObjectName(QStringLiteral("Semente"));
    m_seed->setAccessibleName(tr("Semente"));
    m_seed->setPlaceholderText(tr("ao acaso"));
    m_seed->setMaxLength(9);
    m_seed->setInputMask(QString());
    auto* seedLabel = new QLabel(tr("Semente:"), this);
    seedLabel->setBuddy(m_seed);
    auto* fresh = new QPushButton(tr("Novo exercício"), this);
    fresh->setObjectName(QStringLiteral("NovoExercicio"));
    connect(fresh, &QPushButton::clicked, this, [this] { newExercise(); });
    grid->addWidget(seedLabel, 3, 0);
    grid->addWidget(m_seed, 3, 1);
    grid->addWidget(fresh, 3, 2);
    layout->addLayout(grid);

    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("Numero"));
    m_statement = new QLabel(
        tr("Escolha o tema, o problema e o nível e carregue em «Novo exercício»."), this);
    m_statement->setObjectName(QStringLiteral("Enunciado"));
    m_statement->setWordWrap(true);
    m_statement->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = m_statement->font();
    big.setPointSizeF(big.pointSizeF() * 1.15);
    m_statement->setFont(big);
    m_statement->setMinimumHeight(70);
    layout->addWidget(m_number);
    layout->addWidget(m_statement);

    auto* answerRow = new QHBoxLayout;
    auto* answerLabel = new QLabel(tr("Resposta:"), this);
    m_answer = new QLineEdit(this);
    m_answer->setObjectName(QStringLiteral("Resposta"));
    m_answer->setAccessibleName(tr("Resposta"));
    m_answer->setMaxLength(int(practice::MaxAnswerLength) + 1); // past it, a message says so
    answerLabel->setBuddy(m_answer);
    m_verify = new QPushButton(tr("Verificar"), this);
    m_verify->setObjectName(QStringLiteral("Verificar"));
    m_solution = new QPushButton(tr("Ver resolução"), this);
    m_solution->setObjectName(QStringLiteral("VerResolucao"));
    connect(m_verify, &QPushButton::clicked, this, &PracticeWindow::verify);
    connect(m_answer, &QLineEdit::returnPressed, this, &PracticeWindow::verify);
    connect(m_solution, &QPushButton::clicked, this, [this] { showSolution(); });
    answerRow->addWidget(answerLabel);
    answerRow->addWidget(m_answer, 1);
    answerRow->addWidget(m_verify);
    answerRow->addWidget(m_solution);
    layout->addLayout(answerRow);

    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("Veredicto"));
    m_verdict->setWordWrap(true);
    m_verdict->setMinimumHeight(60);
    m_verdict->setFont(big);
    layout->addWidget(m_verdict);
    m_tally = new QLabel(this);
    m_tally->setObjectName(QStringLiteral("Contagem"));
    m_tally->setWordWrap(true);
    layout->addWidget(m_tally);
    layout->addStretch();
    m_verify->setEnabled(false);
    m_solution->setEnabled(false);
    resize(620, 420);
}

PracticeWindow::~PracticeWindow() = default;

void PracticeWindow::buildChoosers() {
    m_topic = chooser(tr("Tema"), this);
    for (const TopicRow& row : TopicTable)
        m_topic->addItem(topicText(row.indexHeading));
    m_frame = chooser(tr("Problema"), this);
    m_level = chooser(tr("Nível"), this);
    for (Level l : practice::AllLevels)
        m_level->addItem(worksheet::levelText(l));
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
    m_answered = false;
    m_number->setText(tr("Exercício %1 · semente %2 · %3")
                          .arg(m_exercises)
                          .arg(s)
                          .arg(worksheet::levelText(m_exercise->level)));
    m_statement->setText(qs(m_exercise->statement));
    m_answer->clear();
    m_verdict->clear();
    m_verify->setEnabled(true);
    m_solution->setEnabled(true);
    if (m_hooks.openForm)
        if (ProblemForm* form = m_hooks.openForm(worksheet::topicOf(m_exercise->frame))) {
            typeIntoForm(form);
            if (m_exercises == 1) placeBeside(form);
        }
    raise();
    activateWindow();
    m_answer->setFocus();
}

/// The exercise's data in the form's fields, its option marked, its result
/// labels emptied, and "Dados" pressed so that the data are drawn.
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
    if (!m_exercise->dadosButton.empty())
        if (auto* dados = form->findChild<QAbstractButton*>(qs(m_exercise->dadosButton)))
            dados->click();
}

/// To the right of the form, inside the screen.
void PracticeWindow::placeBeside(const QWidget* form) {
    const QRect f = form->frameGeometry();
    QPoint at(f.right() + 8, f.top());
    if (const QScreen* screen = form->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() - frameGeometry().width())));
    }
    move(at);
}

void PracticeWindow::verify() {
    if (!m_exercise) return;
    const practice::Verdict v = practice::check(*m_exercise, m_answer->text().toStdString());
    switch (v.grade) {
    case practice::Grade::Certo:
        showVerdict(qs(v.text), QColor(0, 128, 0));
        break;
    case practice::Grade::CertoMasSimplifique:
        showVerdict(qs(v.text), QColor(160, 100, 0));
        break;
    case practice::Grade::Errado:
        showVerdict(qs(v.text), QColor(200, 0, 0));
        break;
    case practice::Grade::Unreadable:
    case practice::Grade::Incomplete: // no try: the pupil completes the answer
        showVerdict(qs(v.text), palette().color(QPalette::WindowText));
        return;
    }
    count(v.grade != practice::Grade::Errado);
    if (v.step > 0) showSolution(v.step);
}

void PracticeWindow::showVerdict(const QString& text, const QColor& colour) {
    QPalette p = m_verdict->palette();
    p.setColor(QPalette::WindowText, colour);
    m_verdict->setPalette(p);
    m_verdict->setText(text);
}

void PracticeWindow::count(bool right) {
    if (m_answered) return;
    m_answered = true;
    Tally& t = m_counts[std::size_t(m_exercise->frame.topic())];
    ++t.tried;
    if (right) ++t.firstTry;
    updateTally();
}

void PracticeWindow::updateTally() {
    QStringList lines;
    for (int i = 0; i < TopicCount; ++i)
        if (const Tally& t = m_counts[std::size_t(i)]; t.tried)
            lines << tr("%1: %2 tentado(s), %3 certo(s) à primeira")
                         .arg(topicText(TopicTable[i].indexHeading))
                         .arg(t.tried)
                         .arg(t.firstTry);
    m_tally->setText(lines.join(QLatin1Char('\n')));
}

void PracticeWindow::showSolution(int step) {
    if (!m_exercise || !m_hooks.openForm) return;
    count(false); // the solution seen before a right answer
    ProblemForm* form = m_hooks.openForm(worksheet::topicOf(m_exercise->frame));
    if (!form) return;
    typeIntoForm(form);
    if (auto* resolver = form->findChild<QAbstractButton*>(qs(m_exercise->resolverButton)))
        resolver->click();
    if (m_hooks.explain) m_hooks.explain(form, step);
}
