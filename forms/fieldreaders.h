#pragma once

#include "pressfields.h"

#include <QCoreApplication>
#include <QString>

class PressPipeline;
class QLineEdit;
class QWidget;

/// What the form does around the readings of the pressed frame's fields
/// (exact::PressFields, which reads each field once from the text recorded
/// at the press): the press's interpreter, the field whose reading faults or
/// is refused (PressPipeline::readingField), an equation written back into
/// its field without its blanks, the hidden field that holds the rewritten
/// equation, and the message refusing a line.
class FieldReaders final : public exact::FieldHost {
    Q_DECLARE_TR_FUNCTIONS(FieldReaders)

public:
    /// `form` holds the fields; `scratch` is its hidden field that holds the
    /// rewritten equation text.
    FieldReaders(QWidget* form, QLineEdit* scratch, PressPipeline& press);

    QLineEdit* scratch() const { return m_scratch; }
    /// The fields of the running press, read once.
    exact::PressFields& fields();

    clsEquation& interpreter() override;
    void reading(const std::string& name, const std::function<void()>& read) override;
    void writeBack(const std::string& name, const std::string& text) override;
    void rewritten(const std::string& text) override;
    [[noreturn]] void refuseLine() override;

private:
    QLineEdit* field(const std::string& name) const;

    QWidget* m_form;
    QLineEdit* m_scratch;
    PressPipeline& m_press;
};
