#pragma once

#include <QWidget>

class QListWidget;
class QPushButton;
class TPage;
class TStyleCatalog;

// The style row of the preview stage: the caption "Styles", the style list ("[None]" and the
// program's styles, running down two rows and on to the next column) and the Edit Styles button.
// The list shows the program's style list and selects the page's style; it keeps neither
// itself. Only the user's choice counts as a click: a mouse click on an entry, or moving through
// the entries with the keyboard.
class TPreviewStyleRow : public QWidget {
    Q_OBJECT
public:
    TPreviewStyleRow(const TPage &page, const TStyleCatalog &styles, QWidget *parent = nullptr);

    QListWidget *list() const { return m_lstStyles; }
    // Selects the entry of the page's style again, as the program's own selection.
    void showChosenStyle();

signals:
    // The user chose the entry item (0 is "[None]").
    void styleClicked(int item);
    void editStylesClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowStyles();
    void userChose();
    // Shares the list's width between the columns the entries need.
    void arrangeColumns();

    const TPage &m_page;
    const TStyleCatalog &m_styles;
    QListWidget *m_lstStyles = nullptr;
    QPushButton *m_btnEditStyle = nullptr;
    // Set while the program fills or selects in the list, which is no choice of the user's.
    bool m_styleLoading = false;
};
