#pragma once

#include "geometry.h"

#include <QCoreApplication>
#include <QString>
#include <array>

class PressPipeline;
class QLineEdit;
class QWidget;

/// How a frame routine reads its fields during a press: numbers and points
/// through the press's interpreter, line equations prepared, checked and
/// sampled. A fault or a refusal of a reading is the field's (PressPipeline::readingField).
class FieldReaders {
    Q_DECLARE_TR_FUNCTIONS(FieldReaders)

public:
    /// `form` holds the fields; `scratch` is its hidden field that holds the
    /// rewritten equation text.
    FieldReaders(QWidget* form, QLineEdit* scratch, PressPipeline& press);

    QLineEdit* scratch() const { return m_scratch; }

    Real LerCampo(QLineEdit* field);
    /// The point of the fields Abcissa<n> and Ordenada<n>.
    Pt LerPonto(int n);
    /// Deletes every blank of an equation field and writes the text back.
    QString prepareEquation(QLineEdit* field);
    /// Refuses a prepared line field holding ">", "<", "^3" or "^2".
    void checkLineText(QLineEdit* field);
    /// Rewrites a prepared line field as an expression and samples it.
    Line sampleLine(QLineEdit* field);
    Line LerEquacaoRecta(QLineEdit* field);
    /// Two line fields: both prepared, then both checked, then both sampled.
    std::array<Line, 2> LerEquacoesRecta(QLineEdit* first, QLineEdit* second);

private:
    QWidget* m_form;
    QLineEdit* m_scratch;
    PressPipeline& m_press;
};
