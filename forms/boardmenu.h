#pragma once

#include "boardexport.h"
#include "exportdialogs.h"

#include <QObject>
#include <functional>

class Board;
class QAction;
class QMenu;
class QWidget;

/// The board's context menu: "Copiar imagem", "Guardar imagem como…" and
/// "Imprimir…", with Ctrl+C and Ctrl+P while the board has the focus, then
/// the program's tools for the form ("Resolução passo a passo"). Every
/// picture is drawn from the board's display list, never from the screen.
class BoardMenu : public QObject {
    Q_OBJECT
public:
    using SheetSource = std::function<BoardSheet()>;

    /// `sheet` tells what the board shows; `owner` (the form) is the parent
    /// of the dialogs and messages.
    BoardMenu(Board* board, SheetSource sheet, QWidget* owner);

    QMenu* menu() const { return m_menu; }
    QAction* copyAction() const { return m_copy; }
    QAction* saveAction() const { return m_save; }
    QAction* printAction() const { return m_print; }

    /// Adds a tool of the program below the picture's entries: an action of
    /// the whole form (its shortcut works wherever the form's focus is),
    /// shown in the menu with that shortcut.
    QAction* addTool(const QString& name, const QString& text, const QKeySequence& keys,
                     const std::function<void()>& open);
    /// Adds a ready-made tool the same way (a check item of the program's
    /// settings, a submenu's action).
    QAction* addTool(QAction* action);

    /// The board on the clipboard: an image at twice the screen's size and
    /// the SVG drawing ("image/svg+xml").
    void copyImage();
    /// Asks for a file and writes the board into it as SVG or PNG.
    void saveImageAs();
    /// Previews and prints the sheet.
    void printBoard();

    /// The scale the next print starts from: 1 cm a unit, or the last one
    /// chosen for this form.
    const BoardExport::PrintScale& printScale() const { return m_scale; }

    /// The image size of the clipboard's picture, in multiples of the screen's.
    static constexpr int ClipboardScale = 2;

private:
    QAction* addAction(const QString& name, const QString& text, const QKeySequence& keys,
                       const QString& icon, void (BoardMenu::*slot)());
    QString suggestedPath(const BoardSheet& sheet) const;
    QByteArray encode(const ExportDialogs::ImageFile& file, const BoardSheet& sheet) const;

    Board* m_board;
    SheetSource m_sheet;
    QWidget* m_owner;
    QMenu* m_menu;
    QAction* m_copy = nullptr;
    QAction* m_save = nullptr;
    QAction* m_print = nullptr;
    BoardExport::PrintScale m_scale;
    bool m_withSolution = false; ///< the last print's choice, for the next one
    bool m_hasTools = false;
};
