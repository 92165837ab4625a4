#pragma once

#include "navigation.h"

#include <QKeySequence>
#include <QMainWindow>
#include <variant>

class QLabel;
class QMenu;

/// What an entry of the main menu opens.
using MenuTarget = std::variant<Topic, HelpPage>;

/// One entry of the menu bar: its control name, its caption and its target.
struct MenuEntry {
    const char* name;
    const char* caption;
    MenuTarget target;
};

/// The entries that act directly, in the order they follow "Ficheiro": the
/// topics of the topic table, then the four viewers.
const std::vector<MenuEntry>& menuEntries();

/// One entry of the last menu, "Ferramentas": a tool of the program, which
/// opens something, or a ready-made item of the program's settings (a check
/// item, a submenu) that the entry names, captions and gives its keys.
struct ToolEntry {
    const char* name;
    const char* caption;
    QKeySequence keys;
    void (*open)();
    QAction* (*item)(QWidget* menu);
};

/// The entries of "Ferramentas", in order.
const std::vector<ToolEntry>& toolEntries();

/// The main window `Form11`: the title, the version, four decorative figures
/// and the menu from which every form and viewer is opened. Its handlers go
/// through navigation(), like those of the problem forms.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();

    /// Lets the window close without asking the program to end (the program
    /// is already ending).
    void allowClose() { m_closing = true; }

protected:
    /// Closing the main window ends the program, as "Abandonar o programa" does.
    void closeEvent(QCloseEvent* event) override;
    /// Follows a change of language at once.
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    void buildToolsMenu();
    void buildLanguageMenu(QMenu* tools);
    void retranslate();
    QWidget* buildTitle();
    QWidget* buildCredit();
    QLabel* label(const QString& name, const QString& text, int pixels, const QColor& color,
                  bool bold = false);

    /// An entry whose caption comes from a table: its text, not yet translated.
    struct Caption {
        QAction* action;
        const char* text;
        const char* context;
    };
    std::vector<Caption> m_captions;
    QMenu* m_ficheiro = nullptr;
    QAction* m_abandonar = nullptr;
    QMenu* m_tools = nullptr;
    QMenu* m_languages = nullptr;
    QLabel* m_credit[4] = {}; ///< the version and the three lines of credit
    bool m_closing = false;
};
