#pragma once

#include "webchunk.h"

#include <QObject>

// The page being built: its blocks in order, its title and whether it changed since it was last
// saved or loaded. The main window owns the one instance; the build stage, the document
// commands and the preview work on it.
class TPage : public QObject {
    Q_OBJECT
public:
    explicit TPage(QObject *parent = nullptr) : QObject(parent) {}

    TWebChunkList WebChunks;
    QByteArray PageTitle = defaultTitle();

    // The title of a new page, string-table entry 104.
    static QByteArray defaultTitle();
    // Empties the page for a new page, a template or a document about to be read: no blocks,
    // the default title.
    void clear()
    {
        WebChunks.clear();
        PageTitle = defaultTitle();
    }

    bool PageModified() const { return m_modified; }
    void setPageModified(bool modified)
    {
        if (modified == m_modified)
            return;
        m_modified = modified;
        emit modifiedChanged(modified);
    }

signals:
    void modifiedChanged(bool modified);

private:
    bool m_modified = false;
};
