#pragma once

#include "choices.h"
#include "sheetfile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace worksheet {
struct Sheet;
}

/// "Ficha de exercícios": the teacher chooses problems from the topic table
/// (a tree of topics and their frames, each with a check box and a count),
/// the level, one or two versions, the title, the seed and whether the data
/// are drawn; then previews, saves as PDF or OpenDocument text, or prints
/// the sheet with its answer key and worked solutions.
class WorksheetDialog : public QDialog {
    Q_OBJECT
public:
    explicit WorksheetDialog(QWidget* parent = nullptr);

    /// The one dialog of the program, shown and raised.
    static void showDialog();

    /// What the dialog's controls choose now.
    worksheet::Choices choices() const;
    /// Marks a frame and sets its count (a count of 0 unmarks it).
    void choose(practice::FrameId frame, int count);
    /// The frame's row of the tree; null for a frame that cannot be practised.
    QTreeWidgetItem* frameItem(practice::FrameId frame) const;

    /// Writes the sheet of the choices to `path`; a failure is said in a
    /// message, a success under the buttons, with a button that opens the
    /// file in the desktop's program for it. True when written.
    bool saveTo(const QString& path);

private:
    void buildTree();
    void addFrameItem(QTreeWidgetItem* topic, int index);
    QWidget* buildOptions();
    QWidget* buildButtons();
    QLayout* buildSavedRow();
    void updateTotal();
    /// Greys out the frames without exercises at the level chosen, and says so.
    void updateLevel();
    void showSaved(const QString& path);
    /// The sheet of the choices now; nothing (and a message) when no problem is chosen.
    std::optional<worksheet::Sheet> sheet();
    void preview();
    void saveAs(worksheet::FileFormat format);
    void print();
    void paint(QPrinter* printer, const worksheet::Sheet& sheet);

    QTreeWidget* m_tree;
    QLineEdit* m_title;
    QComboBox* m_level;
    QComboBox* m_versions;
    QLineEdit* m_seed;
    QCheckBox* m_figures;
    QLabel* m_total;
    QLabel* m_levelNote;
    QLabel* m_saved;
    QPushButton* m_open;
    QString m_savedPath;
    QString m_folder;
};
