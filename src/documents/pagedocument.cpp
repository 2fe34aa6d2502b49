#include "pagedocument.h"

#include "folders.h"
#include "helpers.h"
#include "pagefile.h"
#include "stylesfile.h"

#include <QFileInfo>

TPageDocument::TPageDocument(QObject *parent) : QObject(parent) {}

void TPageDocument::setDocFileName(const QString &path)
{
    m_fileName = path;
    emit docFileNameChanged(m_fileName);
}

QString TPageDocument::PageFileName() const
{
    return PathJoin(HTMLFolder(), StripExtension(FileNamePart(m_fileName)) + QStringLiteral(".html"));
}

void TPageDocument::newPage()
{
    m_page.clear();
    setDocFileName(QString());
    m_page.setPageModified(false);
    m_page.setStyle(std::nullopt);
}

TPageLoad TPageDocument::open(const QString &path, TOpenAs as, const TStyleList &styles)
{
    m_page.clear();
    setDocFileName(QString());
    m_page.setPageModified(false);
    TPageLoad load;
    load.Found = QFileInfo::exists(path);
    // A damaged document opens with what could be read, but as a new untitled page: the next
    // Save must not replace the damaged file with the shorter page unless the user picks it.
    if (load.Found && read(path, styles, load.Read) && as == TOpenAs::Document && !load.Read.damaged())
        setDocFileName(path);
    emit opened();
    return load;
}

bool TPageDocument::read(const QString &path, const TStyleList &styles, TDocumentRead &read)
{
    read = ReadDocument(path);
    if (!read.readable())
        return false;
    // A style the list does not know leaves the page's style as it was.
    if (read.StyleName) {
        const int item = StyleItemIndex(styles, *read.StyleName);
        if (item == 0)
            m_page.setStyle(std::nullopt);
        else if (item > 0)
            m_page.setStyle(styles[size_t(item - 1)]);
    }
    if (read.Title)
        m_page.setPageTitle(*read.Title);
    for (const TWebChunk &chunk : read.Chunks)
        m_page.appendChunk(chunk);
    // Placing the loaded blocks is no edit of the user's.
    m_page.setPageModified(false);
    return true;
}

bool TPageDocument::saveBuilder(const QString &path, QString *error)
{
    if (!WriteDocument(path, m_page.StyleName(), m_page.PageTitle(), m_page.WebChunks(), error))
        return false;
    // The companions come after the document, so a failure to write them can never damage the
    // document itself; the gallery simply shows no picture for it.
    if (m_companionWriter)
        m_companionWriter(path, m_page.currentHTML());
    m_page.setPageModified(false);
    setDocFileName(path);
    emit saved(path);
    return true;
}

bool TPageDocument::savePageFile()
{
    const QString path = PageFileName();
    // Nothing is reported here: the page file follows the document, whose own save reports its
    // failures, and the caller decides what a failure means.
    const bool written = SavePageFile(path, m_page.currentHTML());
    emit pageFileSaved(path);
    return written;
}

bool TPageDocument::saveAs(const QString &path, QString *error)
{
    return saveBuilder(path, error) && savePageFile();
}

QStringList TPageDocument::selfCheck() const
{
    QStringList problems = m_page.selfCheck();
    if (!m_fileName.isEmpty() && QFileInfo(m_fileName).isRelative())
        problems << QStringLiteral("the document's file name %1 is no full path").arg(m_fileName);
    return problems;
}
