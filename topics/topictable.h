#pragma once

// The topics of the program, and everything the program says about each one
// outside its own form: the one place that lists them. The menu, the index,
// the navigation buttons of every form, the shell and the tests all read this
// table, so a new topic is its form's header and source and one row here
// (with its enumerator). docs/problem-forms.md walks through it.

#include "circles1form.h"
#include "circles2form.h"
#include "circles3form.h"
#include "lines1form.h"
#include "lines2form.h"
#include "lines3form.h"
#include "lines4form.h"
#include "navigationtable.h"
#include "pointsform.h"
#include "triangleform.h"

#include <QCoreApplication>
#include <array>
#include <cstddef>

/// The button that leads to a topic from the other forms.
struct TopicButtonText {
    const char* caption;
    const char* captionOnPontos; ///< on the Points form, where it differs; else nullptr
    const char* tip;
    const char* tipOnRecta1; ///< on the Lines 1 form, where it differs; else nullptr
    const char* icon;        ///< forms/icons/<icon>.svg
};

/// One row of the topic table.
struct TopicRow {
    Topic topic;
    const char* form;  ///< objectName of its window: "Form1"
    const char* title; ///< the label above its board: "PONTOS"
    ProblemForm* (*create)();
    const char* menuName; ///< the menu entry's objectName
    const char* menuCaption;
    const char* indexHeading; ///< above the captions of its frames (exact/framerows.h)
    TopicButtonText button;
    /// The names of this form's buttons to the topics, in table order, "-"
    /// for itself. A topic past the end of the list gets "Ir" + its form.
    const char* buttonNames;
    HelpTips helpTips = UsualHelpTips;
};

template <typename Form>
ProblemForm* createForm() {
    return new Form;
}

/// Tooltips of "Instruções", "Sintaxe" and "Fechar" on two of the circle forms.
inline constexpr HelpTips ShowHelpTips{QT_TRANSLATE_NOOP("HelpTips", "Mostrar as Instruções"),
                                       QT_TRANSLATE_NOOP("HelpTips", "Mostrar a Sintaxe"),
                                       QT_TRANSLATE_NOOP("HelpTips", "Fechar esta página")};
inline constexpr HelpTips SeeAndShowHelpTips{QT_TRANSLATE_NOOP("HelpTips", "Ver as Instruções"),
                                             QT_TRANSLATE_NOOP("HelpTips", "Mostrar a Sintaxe"),
                                             QT_TRANSLATE_NOOP("HelpTips", "Fechar esta página")};

// Each row: topic, window, title, factory; menu name and caption; index heading;
// the button to the topic (caption, caption on the Points form, tooltip,
// tooltip on the Lines 1 form, icon); this form's button names; its help tooltips
// when they are not the usual ones.
// clang-format off
inline constexpr TopicRow TopicTable[] = {
    {Topic::Pontos, "Form1", QT_TRANSLATE_NOOP("TopicTable", "PONTOS"), createForm<PointsForm>,
     "Pontos", QT_TRANSLATE_NOOP("TopicTable", "Pontos"), QT_TRANSLATE_NOOP("TopicTable", "Pontos"),
     {QT_TRANSLATE_NOOP("TopicTable", "Ponto"), nullptr, QT_TRANSLATE_NOOP("TopicTable", "Ir para Pontos"), QT_TRANSLATE_NOOP("TopicTable", "Ir para pontos"), "ponto"},
     "- Command2 Command8 Command5 Command11 Command4 Command9 Command10 Command12"},
    {Topic::Recta1, "Form2", QT_TRANSLATE_NOOP("TopicTable", "RECTA - 1"), createForm<Lines1Form>,
     "Reta1", QT_TRANSLATE_NOOP("TopicTable", "Reta 1"), QT_TRANSLATE_NOOP("TopicTable", "Recta 1"),
     {QT_TRANSLATE_NOOP("TopicTable", "Recta 1"), QT_TRANSLATE_NOOP("TopicTable", "Rectas 1"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Recta-1"), nullptr, "recta1"},
     "Command2 - Command6 Command8 Command11 Command7 Command9 Command10 Command12"},
    {Topic::Recta2, "Form3", QT_TRANSLATE_NOOP("TopicTable", "RECTA - 2"), createForm<Lines2Form>,
     "Reta2", QT_TRANSLATE_NOOP("TopicTable", "Reta 2"), QT_TRANSLATE_NOOP("TopicTable", "Recta 2"),
     {QT_TRANSLATE_NOOP("TopicTable", "Recta 2"), QT_TRANSLATE_NOOP("TopicTable", "Rectas 2"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Recta-2"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Recta 2"), "recta2"},
     "Command2 Command6 - Command9 Command7 Command8 Command10 Command11 Command12"},
    {Topic::Recta3, "Form5", QT_TRANSLATE_NOOP("TopicTable", "RECTA - 3"), createForm<Lines3Form>,
     "Reta3", QT_TRANSLATE_NOOP("TopicTable", "Reta 3"), QT_TRANSLATE_NOOP("TopicTable", "Recta 3"),
     {QT_TRANSLATE_NOOP("TopicTable", "Recta 3"), QT_TRANSLATE_NOOP("TopicTable", "Rectas 3"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Recta-3"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Recta 3"), "recta3"},
     "Command5 Command2 Command8 - Command11 Command4 Command9 Command10 Command12"},
    {Topic::Recta4, "Form8", QT_TRANSLATE_NOOP("TopicTable", "RECTA - 4"), createForm<Lines4Form>,
     "Reta4", QT_TRANSLATE_NOOP("TopicTable", "Reta 4"), QT_TRANSLATE_NOOP("TopicTable", "Recta 4"),
     {QT_TRANSLATE_NOOP("TopicTable", "Recta 4"), QT_TRANSLATE_NOOP("TopicTable", "Rectas 4"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Recta-4"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Recta 4"), "recta4"},
     "Command2 Command6 Command1 Command9 - Command8 Command10 Command11 Command5"},
    {Topic::Circunferencia1, "Form4", QT_TRANSLATE_NOOP("TopicTable", "CIRCUNFERÊNCIA - 1"), createForm<Circles1Form>,
     "Circunferência1", QT_TRANSLATE_NOOP("TopicTable", "Circunferência 1"), QT_TRANSLATE_NOOP("TopicTable", "Circunferência 1"),
     {QT_TRANSLATE_NOOP("TopicTable", "Círculo 1"), nullptr, QT_TRANSLATE_NOOP("TopicTable", "Ir para Circunferência-1"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Circunferência 1"), "circulo1"},
     "Command2 Command7 Command6 Command9 Command8 - Command10 Command11 Command12"},
    {Topic::Circunferencia2, "Form6", QT_TRANSLATE_NOOP("TopicTable", "CIRCUNFERÊNCIA - 2"), createForm<Circles2Form>,
     "Circunfrência2", QT_TRANSLATE_NOOP("TopicTable", "Circunferência 2"), QT_TRANSLATE_NOOP("TopicTable", "Circunferência 2"),
     {QT_TRANSLATE_NOOP("TopicTable", "Círculo 2"), nullptr, QT_TRANSLATE_NOOP("TopicTable", "Ir para Circunferência-2"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Circunferência 2"), "circulo2"},
     "Command5 Command2 Command8 Command9 Command11 Command4 - Command10 Command12",
     ShowHelpTips},
    {Topic::Circunferencia3, "Form7", QT_TRANSLATE_NOOP("TopicTable", "CIRCUNFERÊNCIA - 3"), createForm<Circles3Form>,
     "Circunferência3", QT_TRANSLATE_NOOP("TopicTable", "Circunferência 3"), QT_TRANSLATE_NOOP("TopicTable", "Circunferência 3"),
     {QT_TRANSLATE_NOOP("TopicTable", "Círculo 3"), nullptr, QT_TRANSLATE_NOOP("TopicTable", "Ir para Circunferência-3"), QT_TRANSLATE_NOOP("TopicTable", "Ir para Circunferência 3"), "circulo3"},
     "Command5 Command2 Command8 Command9 Command6 Command4 Command10 - Command7",
     SeeAndShowHelpTips},
    {Topic::Triangulo, "Form9", QT_TRANSLATE_NOOP("TopicTable", "TRIÂNGULO"), createForm<TriangleForm>,
     "Triângulo", QT_TRANSLATE_NOOP("TopicTable", "Triângulo"), QT_TRANSLATE_NOOP("TopicTable", "Triângulo"),
     {QT_TRANSLATE_NOOP("TopicTable", "Triângulo"), nullptr, QT_TRANSLATE_NOOP("TopicTable", "Ir para Triângulo"), nullptr, "triangulo"},
     "Command2 Command6 Command1 Command9 Command3 Command8 Command10 Command11 -"},
};
// clang-format on

static_assert(std::size(TopicTable) == std::size_t(TopicCount), "one row for every topic");
static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(TopicTable); ++i)
            if (TopicTable[i].topic != Topic(i)) return false;
        return true;
    }(),
    "the rows in the order of the topics");

/// A text of the table in the program's language.
inline QString topicText(const char* text) {
    return QCoreApplication::translate("TopicTable", text);
}

/// The row of a topic.
constexpr const TopicRow& topicRow(Topic topic) {
    return TopicTable[std::size_t(topic)];
}

/// A new problem form of the topic, a top-level window that deletes itself
/// when it is closed.
inline ProblemForm* createTopicForm(Topic topic) {
    return topicRow(topic).create();
}

/// The common part of a topic's form: who it is as the table gives it (topic,
/// window name, title, navigation buttons and help tooltips) and the form's
/// own `layout`.
FormTraits formTraits(Topic topic, FormLayout layout = {});
