#include "messages.h"

#include <QMessageBox>

namespace {
MessageHandler& currentHandler() {
    static MessageHandler handler = showModalMessageBox;
    return handler;
}
} // namespace

void showMessage(QWidget* parent, const Message& message) {
    currentHandler()(parent, message);
}

MessageHandler setMessageHandler(MessageHandler handler) {
    return std::exchange(currentHandler(), std::move(handler));
}

void showModalMessageBox(QWidget* parent, const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Information ? QMessageBox::Information
                                                             : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Mensagem"));
    box.exec();
}
