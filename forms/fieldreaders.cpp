#include "fieldreaders.h"

#include "controls.h"
#include "presspipeline.h"

#include <QLineEdit>

FieldReaders::FieldReaders(QWidget* form, QLineEdit* scratch, PressPipeline& press)
    : m_form(form)
    , m_scratch(scratch)
    , m_press(press) {}

exact::PressFields& FieldReaders::fields() {
    return m_press.record().fields();
}

QLineEdit* FieldReaders::field(const std::string& name) const {
    return Controls::field(m_form, QString::fromStdString(name));
}

clsEquation& FieldReaders::interpreter() {
    return m_press.interpreter();
}

void FieldReaders::reading(const std::string& name, const std::function<void()>& read) {
    m_press.readingField(field(name), read);
}

void FieldReaders::writeBack(const std::string& name, const std::string& text) {
    field(name)->setText(QString::fromStdString(text));
}

void FieldReaders::rewritten(const std::string& text) {
    m_scratch->setText(QString::fromStdString(text));
}

void FieldReaders::refuseLine() {
    m_press.stop(tr("A equação não representa uma recta."));
}
