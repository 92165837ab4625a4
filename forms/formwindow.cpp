#include "formwindow.h"

#include "board.h"
#include "buttonicons.h"
#include "displaylist.h"
#include "navigation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ButtonRowHeight = 60;
constexpr int FormMargin = 4;

/// A button of the row that leads to the other topics, the help and out.
QToolButton* addRowButton(QHBoxLayout* row, const QString& name, const QString& caption,
                          const QString& tip, const QString& icon) {
    auto* button = new QToolButton(row->parentWidget());
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(tip);
    button->setIcon(buttonIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QFont font = namedFont(QStringLiteral("MS Serif"));
    font.setPixelSize(11);
    button->setFont(font);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(button);
    return button;
}

void addTitle(QWidget* form, const FormTraits& traits) {
    auto* title = new QLabel(traits.title, form);
    title->setObjectName(QStringLiteral("Titulo"));
    title->setAlignment(Qt::AlignCenter);
    QFont titleFont = form->font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(px(traits.layout.boardLeft), px(1020), px(9465), px(345));
}

QWidget* addPanel(QWidget* form, const FormLayout& layout) {
    const int shift = px(layout.boardLeft - 60);
    auto* panel = new QWidget(form);
    panel->setObjectName(QStringLiteral("Painel"));
    panel->setGeometry(px(9600) + shift, px(1320), px(5565), px(9600));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(px(layout.eixos.left()), px(layout.eixos.top()), FormMargin,
                               px(9600 - 9465));
    column->setSpacing(0);
    return panel;
}

QWidget* addButtonRow(QWidget* form, const FormTraits& traits, int width) {
    auto* buttonRow = new QWidget(form);
    buttonRow->setObjectName(QStringLiteral("Botoes"));
    auto* layout = new QHBoxLayout(buttonRow);
    layout->setContentsMargins(FormMargin, FormMargin, FormMargin, 0);
    layout->setSpacing(2);
    for (const TopicButton& b : traits.topicButtons) {
        QToolButton* button = addRowButton(layout, b.name, b.caption, b.toolTip, b.icon);
        QObject::connect(button, &QToolButton::clicked, form, [form, target = b.target] {
            form->close();
            navigation().showTopic(target);
        });
    }
    for (const CommonButton& b : commonButtons(traits.helpTips)) {
        QToolButton* button = addRowButton(layout, b.name, b.caption, b.toolTip, b.icon);
        QObject::connect(button, &QToolButton::clicked, form,
                         [form, action = b.action, page = b.page] {
                             if (action == CommonButton::Action::Help)
                                 navigation().showHelp(page);
                             else if (action == CommonButton::Action::Close)
                                 form->close();
                             else
                                 navigation().quit();
                         });
    }
    buttonRow->setGeometry(0, 0, width, ButtonRowHeight);
    return buttonRow;
}

} // namespace

FormWindow buildFormWindow(QWidget* form, Board* board, const FormTraits& traits,
                           const std::function<void(QWidget* panel)>& fillPanel) {
    form->setObjectName(traits.objectName);
    form->setWindowTitle(QStringLiteral("ORTOPLANO PLANA"));
    // Every form has the same caption; a screen reader says which topic it is.
    form->setAccessibleName(traits.title + QStringLiteral(" — ORTOPLANO PLANA"));
    form->setAttribute(Qt::WA_DeleteOnClose);
    QFont font = namedFont(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    form->setFont(font);
    addTitle(form, traits);
    board->move(px(traits.layout.boardLeft), px(1440));
    board->ScaleModePixels();
    QWidget* panel = addPanel(form, traits.layout);
    fillPanel(panel);
    const QString& scratchName = traits.layout.scratchName;
    auto* scratch = new QLineEdit(scratchName, form);
    scratch->setObjectName(scratchName);
    scratch->hide();
    const int width = panel->geometry().right() + 1 + FormMargin;
    QWidget* buttonRow = addButtonRow(form, traits, width);
    form->setFixedSize(width, board->geometry().bottom() + 1 + FormMargin);
    return {panel, buttonRow, scratch};
}
