#pragma once

#include "pagetextmap.h"

#include <QByteArray>
#include <QPlainTextEdit>

// The HTML tab's text box (memHTML): the page HTML text, shown as display text and kept as the
// exact bytes it came from. Program writes go through setBytes and do not count as edits; an
// edit of the user's changes only the bytes of the characters it touched, so the page file
// written from bytes() keeps every other byte as it was.
class THTMLSourceBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit THTMLSourceBox(QWidget *parent = nullptr);

    const QByteArray &bytes() const { return m_map.bytes(); }
    // Replaces the whole text; the view keeps its scroll position where it can.
    void setBytes(const QByteArray &bytes);
    // True while setBytes writes the box (HTMLUpdating).
    bool updating() const { return m_updating; }

signals:
    // The user changed the text; bytes() already holds the change.
    void userEdited();

private:
    void syncFromBox();

    TPageTextMap m_map;
    bool m_updating = false;
};
