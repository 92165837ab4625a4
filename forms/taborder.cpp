#include "taborder.h"

#include <QWidget>

void arrangeTabOrder(QWidget* form, QWidget* panel, QWidget* board, QWidget* buttonRow) {
    QWidget* last = nullptr;
    for (QWidget* w = form->nextInFocusChain(); w != form; w = w->nextInFocusChain())
        if (panel->isAncestorOf(w)) last = w;
    if (last) QWidget::setTabOrder(last, board);
    last = board;
    for (QWidget* button : buttonRow->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (last) QWidget::setTabOrder(last, button);
        last = button;
    }
}
