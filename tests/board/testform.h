#pragma once

#include "problemform.h"
#include "textrules.h"

#include <QLineEdit>

/// A small problem form built on the framework, for testing the framework
/// itself: one frame reads a point, one a line, one two lines.
class TestForm : public ProblemForm {
public:
    explicit TestForm(bool warnWhenUngraduated = false, bool pointToolTips = true)
        : ProblemForm(spec(warnWhenUngraduated, pointToolTips)) {
        addFrame(QStringLiteral("Frame1"), QStringLiteral("Inverso da abcissa"))
            .point(QStringLiteral("Abcissa1"), QStringLiteral("2"), QStringLiteral("Ordenada1"),
                   QStringLiteral("3"), QStringLiteral("P"))
            .newRow()
            .result(QStringLiteral("Resultado1"))
            .dadosResolver(1, [this] { inverse(); });
        addFrame(QStringLiteral("Frame2"), QStringLiteral("Uma recta"))
            .field(QStringLiteral("Text1"), QStringLiteral("2x-3y+4=0"), QStringLiteral("Recta"))
            .newRow()
            .result(QStringLiteral("Resultado2"))
            .dadosResolver(2, [this] { oneLine(); });
        addFrame(QStringLiteral("Frame3"), QStringLiteral("Duas rectas"))
            .field(QStringLiteral("Text2"), QStringLiteral("x+y=1"), QStringLiteral("Primeira"))
            .newRow()
            .field(QStringLiteral("Text3"), QStringLiteral("x-y=1"), QStringLiteral("Segunda"))
            .dadosResolver(3, [this] { twoLines(); });
    }

    void drawLine(const Line& line) { DesenharRecta(line); }
    QLineEdit* field(const QString& name) const { return fieldNamed(name); }
    QString scratchText() const { return scratch()->text(); }

    bool solveModeSeen = false;
    Line lastLine;
    Line secondLine;

private:
    static FormSpec spec(bool warn, bool pointToolTips) {
        FormSpec s;
        s.pointToolTips = pointToolTips;
        s.objectName = QStringLiteral("FormTeste");
        s.title = QStringLiteral("TESTE");
        s.warnWhenUngraduated = warn;
        return s;
    }

    void inverse() {
        solveModeSeen = ModoResolver();
        const Pt p = LerPonto(QStringLiteral("Abcissa1"), QStringLiteral("Ordenada1"));
        DesenharEixos();
        pen(Azul, 2);
        dot(p);
        guides(p);
        if (ModoResolver())
            setResult(QStringLiteral("Resultado1"), TextRules::number(1 / p.x, sep()));
    }

    void oneLine() {
        solveModeSeen = ModoResolver();
        lastLine = LerEquacaoRecta(fieldNamed(QStringLiteral("Text1")));
        DesenharEixos();
        pen(Azul, 2);
        DesenharRecta(lastLine);
        if (ModoResolver()) {
            Line written = lastLine;
            setResult(QStringLiteral("Resultado2"), TextRules::TextoEquacaoRecta(written, sep()));
        }
    }

    void twoLines() {
        const auto lines = LerEquacoesRecta(fieldNamed(QStringLiteral("Text2")),
                                            fieldNamed(QStringLiteral("Text3")));
        lastLine = lines[0];
        secondLine = lines[1];
        DesenharEixos();
    }
};
