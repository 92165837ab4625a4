#include "messages.h"

#include "numbered_error.h"

#include <QCoreApplication>
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

MessageDiversion::MessageDiversion(const QWidget* owner, std::function<void(const Message&)> to)
    : m_previous(currentHandler()) {
    currentHandler() = [owner, to = std::move(to), next = m_previous](QWidget* parent,
                                                                      const Message& message) {
        if (parent == owner)
            to(message);
        else
            next(parent, message);
    };
}

MessageDiversion::~MessageDiversion() {
    currentHandler() = std::move(m_previous);
}

void showModalMessageBox(QWidget* parent, const Message& message) {
    QMessageBox box(message.icon == MessageIcon::Information ? QMessageBox::Information
                                                             : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Mensagem"));
    box.exec();
}

QString faultText(int number, const std::string& description) {
    const std::string_view text = Fault::text(number);
    if (text.empty() || description.compare(0, text.size(), text) != 0)
        return QString::fromStdString(description);
    return QCoreApplication::translate("Fault", std::string(text).c_str()) +
           QString::fromStdString(description.substr(text.size()));
}
