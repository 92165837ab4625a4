#pragma once

#include <QWidget>

/// A pair of small up and down arrows beside a viewport field.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(const QString& name, QWidget* parent = nullptr);

signals:
    void stepped(int delta); ///< +1 for the up arrow, -1 for the down arrow
};
