#pragma once

#include <QWidget>

/// A pair of small up and down arrows beside a viewport field.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    /// `bound` is the spoken name of the field the arrows change ("Xmínimo"),
    /// which names each arrow for a screen reader ("Aumentar Xmínimo").
    SpinArrows(const QString& name, const QString& bound, QWidget* parent = nullptr);

signals:
    void stepped(int delta); ///< +1 for the up arrow, -1 for the down arrow
};
