#pragma once

#include "helpcontent.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;
class QToolButton;

namespace Help {
class PageRenderer;
}

/// One page picture of a viewer. The page is laid out the first time it is
/// painted, so a viewer opens at once whatever its number of pages.
class PageView : public QWidget {
    Q_OBJECT
public:
    PageView(const Help::Book& book, int index, QWidget* parent);
    ~PageView() override;
    int index() const { return m_index; }
    /// Shows the page of the same index in `book`: the book of another language.
    void setBook(const Help::Book& book);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Help::Book* m_book = nullptr;
    int m_index;
    std::unique_ptr<Help::PageRenderer> m_renderer;
};

/// What the viewers have in common: the page pictures stacked in one place,
/// the two arrow buttons, "Fechar", and the keys that press them.
class Viewer : public QWidget {
    Q_OBJECT
public:
    /// Pixels of window frame and caption the twips sizes include.
    static constexpr QSize FrameAllowance{8, 30};
    static constexpr int Twips = 15; ///< twips in one pixel

    HelpPage which() const { return m_which; }
    int pageCount() const { return int(m_pages.size()); }
    /// The page picture `i`, from 1.
    PageView* pageView(int i) const { return m_pages.at(std::size_t(i - 1)); }
    /// The page whose picture is shown, from 1.
    int visiblePage() const;

    QToolButton* setaE() const { return m_setaE; }
    QToolButton* setaD() const { return m_setaD; }

protected:
    Viewer(HelpPage which, const QString& name, const QString& caption, QSize outerTwips,
           QPoint pageTwips);
    /// The page pictures' names, from the index of the page.
    virtual QString pageName(int i) const = 0;
    void createPages();
    /// The row under the pages; paged viewers add their page label to it.
    QWidget* buttonRow() const { return m_buttonRow; }
    void resizeEvent(QResizeEvent* event) override;
    /// A new language: the pages and the buttons speak it at once.
    void changeEvent(QEvent* event) override;
    /// The texts a kind of viewer adds, in the program's language.
    virtual void retranslate() {}

private:
    /// What the arrows `SetaE` and `SetaD` do.
    virtual void previousPage() = 0;
    virtual void nextPage() = 0;
    QToolButton* arrowButton(const QString& name, const QString& icon);
    void addKeys();
    /// The arrows' and "Fechar"'s texts in the program's language.
    void setButtonTexts();

    HelpPage m_which;
    QPoint m_pageOrigin;
    std::vector<PageView*> m_pages;
    QWidget* m_buttonRow;
    QToolButton* m_setaE;
    QToolButton* m_setaD;
    QPushButton* m_command1;
};

/// `Form10` (instructions), `Form13` (syntax) and `Form14` (functions): pages
/// turned with arrows that are enabled and disabled, and a page label.
/// Page pictures are named `Image1_1` … `Image1_N`.
class PagedViewer : public Viewer {
    Q_OBJECT
public:
    explicit PagedViewer(HelpPage which);
    int page() const { return m_page; }
    QLabel* label2() const { return m_label2; }

protected:
    QString pageName(int i) const override;
    void retranslate() override;

private:
    void previousPage() override;
    void nextPage() override;
    /// Page 1 shown, the others hidden, no way back yet.
    void showFirstPage();
    void addPageLabels();
    void showPage(int from, int to);

    int m_page = 1;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
};

/// `Form12`, the index: two pages `Image1` and `Image2`, and arrows that are
/// shown and hidden instead of enabled and disabled.
class IndexViewer : public Viewer {
    Q_OBJECT
public:
    IndexViewer();

protected:
    QString pageName(int i) const override;
    void retranslate() override;

private:
    void previousPage() override;
    void nextPage() override;
    void showFirstPage();
};

/// Creates the viewer of a help page (hidden; the caller shows it).
Viewer* createViewer(HelpPage which);
