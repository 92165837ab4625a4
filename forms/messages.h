#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

enum class MessageIcon { None, Information };

/// A modal message of the program: OK button, an icon and a title.
struct Message {
    QString text;
    MessageIcon icon = MessageIcon::Information;
    QString title = QStringLiteral("Ortoplano");

    friend bool operator==(const Message&, const Message&) = default;
};

using MessageHandler = std::function<void(QWidget* parent, const Message&)>;

/// Every message box of the program goes through here.
void showMessage(QWidget* parent, const Message& message);

/// A numbered fault's description in the program's language: the table's text
/// translated, the name or expression it quotes as it is.
QString faultText(int number, const std::string& description);

/// Replaces the routing target (tests install a recorder); returns the old one.
MessageHandler setMessageHandler(MessageHandler handler);

/// While one lives, the messages whose parent is `owner` go to `to` rather
/// than where they went: a form being dragged says them in place, without
/// a modal box. Diversions end in the reverse order of their making.
class MessageDiversion {
public:
    MessageDiversion(const QWidget* owner, std::function<void(const Message&)> to);
    ~MessageDiversion();
    MessageDiversion(const MessageDiversion&) = delete;
    MessageDiversion& operator=(const MessageDiversion&) = delete;

private:
    MessageHandler m_previous;
};

/// The real target: a modal QMessageBox with an OK button.
void showModalMessageBox(QWidget* parent, const Message& message);
