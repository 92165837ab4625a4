#include "resultfit.h"

#include "displaystyle.h"
#include "pressrecord.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <algorithm>
#include <vector>

namespace {

/// Whether a frame shows whole: every control within it at its own
/// height, and the text of every result within the result.
bool showsWhole(QWidget* frame, const std::vector<QWidget*>& results) {
    const QRect room = frame->contentsRect();
    for (const QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(frame) &&
            (!room.contains(w->geometry()) || w->height() < w->minimumSizeHint().height()))
            return false;
    return std::all_of(results.begin(), results.end(), [](const QWidget* result) {
        const auto* label = qobject_cast<const QLabel*>(result);
        const QString text = label ? label->text() : static_cast<const QLineEdit*>(result)->text();
        const int margin = label ? 2 * label->frameWidth() + 4 : 12;
        return QFontMetrics(result->font()).horizontalAdvance(text) + margin <= result->width();
    });
}

} // namespace

namespace ResultFit {

void fitFrame(QGroupBox* frame, const QFont& usual) {
    const DisplayStyle style = ClassroomDisplay::instance().style();
    std::vector<QWidget*> results;
    for (QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (isResult(w)) results.push_back(w);
    const auto resize = [&](const QFont& f) {
        for (QWidget* result : results)
            result->setFont(f);
        frame->layout()->activate();
    };
    if (!style.projector) return resize(QFont()); // the form's own, as usual
    // The largest size up to the factor at which the frame still shows whole.
    const int usualSize = usual.pixelSize();
    int fits = usualSize, tooLarge = qRound(usualSize * style.scale) + 1;
    QFont larger = usual;
    larger.setBold(true);
    while (tooLarge - fits > 1) {
        const int size = (fits + tooLarge) / 2;
        larger.setPixelSize(size);
        resize(larger);
        (showsWhole(frame, results) ? fits : tooLarge) = size;
    }
    larger.setPixelSize(fits);
    resize(larger);
}

void fitPanel(QWidget* panel, const QFont& usual) {
    for (QGroupBox* frame : panel->findChildren<QGroupBox*>())
        fitFrame(frame, usual);
}

} // namespace ResultFit
