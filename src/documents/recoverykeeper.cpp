#include "recoverykeeper.h"

#include "builderdocument.h"
#include "pagedocument.h"
#include "savebytes.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace {

QString notePath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("recovery.txt"));
}

} // namespace

QString TRecoveryKeeper::copyPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("recovery.zve"));
}

TRecoveryKeeper::TRecoveryKeeper(TPageDocument &document, const QString &folder, QObject *parent)
    : QObject(parent), m_document(document), m_folder(folder)
{
    if (!QDir().mkpath(folder))
        return;
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral("recovery.lock")));
    // A lock left by a program that was killed is stale and taken over at once.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return;
    m_lock = std::move(lock);
    connect(&m_timer, &QTimer::timeout, this, [this] { update(); });
}

void TRecoveryKeeper::start(int interval)
{
    if (!active())
        return;
    // Checking on a timer, rather than on every edit, keeps typing free of any file work; the
    // write itself is a few kilobytes.
    m_timer.start(interval);
}

TRecoveryKeeper::~TRecoveryKeeper() = default;

std::optional<TRecoveryCopy> TRecoveryKeeper::leftBehind() const
{
    if (!active() || !QFile::exists(copyPath(m_folder)))
        return std::nullopt;
    TRecoveryCopy copy;
    copy.CopyPath = copyPath(m_folder);
    QFile note(notePath(m_folder));
    if (note.open(QIODevice::ReadOnly))
        copy.OriginalPath = QString::fromUtf8(note.readAll()).trimmed();
    return copy;
}

bool TRecoveryKeeper::update()
{
    if (!active())
        return true;
    const TPage &page = m_document.page();
    if (!page.PageModified()) {
        if (!m_written.isEmpty())
            discard();
        return true;
    }
    const QByteArray bytes = DocumentBytes(page.StyleName(), page.PageTitle(), page.WebChunks());
    const QByteArray note = m_document.DocFileName().toUtf8();
    if (bytes + '\n' + note == m_written)
        return true;
    // The note first: a copy is never paired with the wrong document's name, at worst with none.
    if (!SaveBytes(notePath(m_folder), note) || !SaveBytes(copyPath(m_folder), bytes))
        return false;
    m_written = bytes + '\n' + note;
    return true;
}

void TRecoveryKeeper::discard()
{
    if (!active())
        return;
    QFile::remove(copyPath(m_folder));
    QFile::remove(notePath(m_folder));
    m_written.clear();
}
