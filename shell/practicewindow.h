#pragma once

#include "exercise.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class ProblemForm;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

/// The window "Praticar": a fresh exercise of a chosen topic, frame and
/// level, typed into its form with the data drawn; the pupil's answer
/// checked, with the slip named and the worked solution opened at its step;
/// a tally of the session per topic (kept nowhere else).
class PracticeWindow : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        /// Shows the form of a topic and gives it.
        std::function<ProblemForm*(Topic)> openForm;
        /// Shows the worked solution of the form's last "Resolver", up to a
        /// step (1 is the first; 0: all of it).
        std::function<void(ProblemForm*, int)> explain;
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
    /// Solves the form as "Resolver" does and shows the worked solution.
    void showSolution(int step = 0);

    const practice::Exercise* exercise() const { return m_exercise ? &*m_exercise : nullptr; }

private:
    void buildChoosers();
    void fillFrames();
    void typeIntoForm(ProblemForm* form);
    void placeBeside(const QWidget* form);
    void showVerdict(const QString& text, const QColor& colour);
    void count(bool right);
    void updateTally();
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
    QPushButton* m_verify = nullptr;
    QPushButton* m_solution = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_tally = nullptr;
    std::optional<practice::Exercise> m_exercise;
    int m_exercises = 0;
    bool m_answered = false; ///< the exercise has had a readable answer
    struct Tally {
        int tried = 0;
        int firstTry = 0;
    };
    std::array<Tally, TopicCount> m_counts{};
};
