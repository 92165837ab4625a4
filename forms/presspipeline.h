#pragma once

#include "pressrecord.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

class QGroupBox;
class QLineEdit;
class QWidget;
class clsEquation;

/// Thrown to end a press quietly after its message has been shown.
struct PressEnded {};

/// One press of a frame's button, one run: a fresh interpreter for the press,
/// solve mode for "Resolver", the frame's record, every fault turned into the
/// generic error report, solve mode ended on every path, and the field whose
/// reading failed given the focus. A form owns one; it knows nothing of the
/// form but the window its messages belong to.
class PressPipeline {
    Q_DECLARE_TR_FUNCTIONS(PressPipeline)

public:
    struct Hooks {
        /// The press's outcome is to be seen: called before each of its
        /// messages and once its routine has ended.
        std::function<void()> settle = [] {};
        /// The press has ended: the board and the results show its outcome.
        std::function<void()> ended = [] {};
    };

    /// `owner` is the parent of the press's messages.
    PressPipeline(QWidget* owner, Hooks hooks);

    /// Runs a frame routine as one press of a button of `frame` (none for a
    /// press of no frame), in solve mode when `solve` is set.
    void run(const std::function<void()>& routine, bool solve, QGroupBox* frame = nullptr);

    /// Whether a press is running.
    bool running() const { return m_interpreter != nullptr; }
    /// Solve mode ("Resolver"), for the running press only.
    bool solving() const { return m_solving; }
    /// The interpreter of the running press.
    clsEquation& interpreter();
    /// The frame of the running (or last) press and what its fields held.
    PressRecord& record() { return m_record; }
    const PressRecord& record() const { return m_record; }

    /// Shows an information message (or one without an icon); the routine goes on.
    void inform(const QString& text, bool withIcon = true);
    /// Shows an information message and ends the press.
    [[noreturn]] void stop(const QString& text);

    /// Runs `read`, one reading of `field` (its evaluation, a stage of an
    /// equation reader) and gives its result. A fault or a refusal that
    /// escapes it is the field's: once the press's message is closed, the
    /// focus goes to the field with its text selected, for the pupil to
    /// type it again.
    template <typename Read>
    auto readingField(QLineEdit* field, Read&& read) -> decltype(read()) {
        QLineEdit* const outer = std::exchange(m_failedField, field);
        if constexpr (std::is_void_v<decltype(read())>) {
            read();
            m_failedField = outer;
        } else {
            auto value = read();
            m_failedField = outer;
            return value;
        }
    }
    /// A fault raised now is this field's (none: of no field).
    void blame(QLineEdit* field) { m_failedField = field; }

private:
    void focusFailedField();

    QWidget* m_owner;
    Hooks m_hooks;
    bool m_solving = false;
    clsEquation* m_interpreter = nullptr;
    PressRecord m_record;
    /// The field being read, whose fault a fault raised now is (readingField).
    QLineEdit* m_failedField = nullptr;
};
