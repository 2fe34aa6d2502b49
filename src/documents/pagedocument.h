#pragma once

#include "builderdocument.h"
#include "page.h"
#include "stylechunk.h"

#include <QObject>
#include <QString>

#include <functional>

// How a builder document is read into the page: as the current document, which a later Save
// writes back, or as a template, which gives a new untitled page.
enum class TOpenAs { Document, Template };

// What opening a file gave.
struct TPageLoad {
    // False when there was no file: the page is then empty and untitled, and nothing is wrong.
    bool Found = false;
    TDocumentRead Read;
    // True when the file was a builder document the program can read, whole or in part.
    bool ok() const { return Found && Read.readable(); }
};

// Writes whatever belongs beside a saved builder document (its gallery thumbnail) from the page
// HTML text the page file gets. Failures are the writer's own business: they never undo a save.
using TCompanionWriter = std::function<void(const QString &documentPath, const QByteArray &pageHTML)>;

// The current document: the page and the builder document file it is kept in. It reads and
// writes builder documents and the page HTML file without asking anything and without any
// window, so a program without a screen can load, generate and save a page the same way the
// builder does. The questions around these steps belong to the document commands.
class TPageDocument : public QObject {
    Q_OBJECT
public:
    explicit TPageDocument(QObject *parent = nullptr);

    TPage &page() { return m_page; }
    const TPage &page() const { return m_page; }

    // The document's full path; empty for an untitled document.
    const QString &DocFileName() const { return m_fileName; }
    void setDocFileName(const QString &path);
    // The page HTML file of the document: its name without extension and ".html", in the HTML
    // folder, where the page's relative image references resolve.
    QString PageFileName() const;

    // An empty untitled page with no style and the logo on, unchanged.
    void newPage();
    // Empties the page and reads path into it, resolving the stored style name against styles.
    // A missing file leaves the empty untitled page; a file that is no builder document does
    // too, so that a later Save never writes over it. A damaged document keeps the blocks read
    // before the damage, and for the same reason opens untitled.
    TPageLoad open(const QString &path, TOpenAs as, const TStyleList &styles);

    // Writes the page as a builder document at path, then its companion files; the document then
    // is path, unchanged. False with a message in error when the document could not be written:
    // then nothing changes.
    bool saveBuilder(const QString &path, QString *error = nullptr);
    // Writes the page HTML text to the page file, generating the page for the file (and only for
    // it) when there is no text yet. False when the file could not be written.
    bool savePageFile();
    // Both: what saving under a new name does.
    bool saveAs(const QString &path, QString *error = nullptr);

    void setCompanionWriter(TCompanionWriter writer) { m_companionWriter = std::move(writer); }

    // Every broken invariant of the document and its page; empty when all is sound.
    QStringList selfCheck() const;

signals:
    void docFileNameChanged(const QString &path);
    // A file was read into the page (or there was none to read).
    void opened();
    // The builder document was written.
    void saved(const QString &path);
    // The page HTML file was written.
    void pageFileSaved(const QString &path);

private:
    bool read(const QString &path, const TStyleList &styles, TDocumentRead &read);

    TPage m_page;
    QString m_fileName;
    TCompanionWriter m_companionWriter;
};
