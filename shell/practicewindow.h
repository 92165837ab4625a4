#pragma once

#include "checker.h"
#include "exercise.h"
#include "practicetally.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class ProblemForm;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// The window "Praticar": a fresh exercise of a chosen topic, frame and
/// level, typed into its form with the data drawn; the pupil's answer
/// checked, the slip named with the step of the worked solution it belongs
/// to; the form solved only when the answer is right or the solution is
/// asked for; a tally per topic and level kept between uses.
class PracticeWindow : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        /// Shows the form of a topic, without taking the keyboard from this
        /// window, and gives it.
        std::function<ProblemForm*(Topic)> openForm;
        /// Shows a worked solution in place of the form's last "Resolver"'s,
        /// up to a step (1 is the first; 0: all of it), and gives its window.
        std::function<QWidget*(ProblemForm*, exact::Solution, int)> explain;
        /// Shows the help page on how answers and data are written.
        std::function<void()> showSyntax;
    };

    explicit PracticeWindow(Hooks hooks, QWidget* parent = nullptr);
    ~PracticeWindow() override;

    /// Chooses a topic in "Tema" (the form the window was opened from).
    void chooseTopic(Topic topic);
    /// A new exercise of the chosen topic, frame and level: with `seed`, or
    /// the one typed in "Semente", or a fresh one.
    void newExercise(std::optional<std::uint64_t> seed = std::nullopt);
    /// Checks the answer typed in "Resposta".
    void verify();
    /// Solves the form as "Resolver" does and shows the worked solution, at
    /// `step`, or at the step of the last slip named, or whole.
    void showSolution(int step = 0);

    const practice::Exercise* exercise() const { return m_exercise ? &*m_exercise : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// A new language: the window's texts, the exercise's statement and the
    /// verdict on the answer checked are written again in it.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    /// The exercise's number, statement and what it asks, and a word when
    /// its level is not the one chosen.
    void writeExercise();
    /// The verdict on an answer, in its colour.
    void showCheck(const practice::Verdict& verdict);
    void buildChoosers();
    QLayout* buildAnswerRow();
    void fillFrames();
    void typeIntoForm(ProblemForm* form);
    bool holdsExercise(const ProblemForm* form) const;
    void pressOn(ProblemForm* form, const std::string& button);
    const std::string& shownButton() const;
    void arrange(ProblemForm* form);
    void placeSolution(QWidget* solution, const ProblemForm* form);
    void showHint();
    void showVerdict(const QString& text, const QColor& colour);
    void count(bool right);
    practice::FrameId chosenFrame(std::uint64_t seed) const;
    practice::Level chosenLevel() const;

    Hooks m_hooks;
    QComboBox* m_topic = nullptr;
    QComboBox* m_frame = nullptr;
    QComboBox* m_level = nullptr;
    QLineEdit* m_seed = nullptr;
    QLabel* m_number = nullptr;
    QLabel* m_statement = nullptr;
    QLineEdit* m_answer = nullptr;
    QLabel* m_hint = nullptr;
    QPushButton* m_verify = nullptr;
    QPushButton* m_solution = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_tally = nullptr;
    QLabel* m_labels[3] = {}; ///< "Tema:", "Problema:", "Nível:"
    QLabel* m_seedLabel = nullptr;
    QLabel* m_answerLabel = nullptr;
    QPushButton* m_fresh = nullptr;
    QPushButton* m_syntax = nullptr;
    QPushButton* m_reset = nullptr;
    std::optional<practice::Exercise> m_exercise;
    /// The level and seed the exercise was made with: made again with them
    /// in another language, it is the same exercise.
    practice::Level m_askedLevel = practice::Level::Basico;
    std::uint64_t m_askedSeed = 0;
    std::optional<std::string> m_checked; ///< the last answer checked
    QPointer<ProblemForm> m_form;         ///< the form the exercise is typed into
    int m_exercises = 0;
    bool m_answered = false; ///< the exercise has had a readable answer
    bool m_solved = false;   ///< the form shows the answer: right, or the solution asked for
    int m_reviewStep = 0;    ///< the step of the last slip named
    bool m_arranged = false;
    bool m_solutionPlaced = false;
    PracticeTally m_tallies;
};
