#include "buttonicons.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

namespace {

/// The icons, freed with the application: their engines belong to a plugin
/// that must still be there when they go.
class IconStore : public QObject {
public:
    using QObject::QObject;
    QHash<QString, QIcon> icons;
};

IconStore& store() {
    static QPointer<IconStore> store;
    if (!store) store = new IconStore(QCoreApplication::instance());
    return *store;
}

} // namespace

QIcon buttonIcon(const QString& path) {
    QHash<QString, QIcon>& icons = store().icons;
    auto found = icons.constFind(path);
    if (found == icons.constEnd()) found = icons.insert(path, QIcon(path));
    return *found;
}

int buttonIconCount() {
    return int(store().icons.size());
}
