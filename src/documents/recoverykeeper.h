#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QLockFile;
class TPageDocument;

// A recovery copy found in the recovery folder: the page as it stood a few seconds before the
// program ended without saving it.
struct TRecoveryCopy {
    QString CopyPath;     // the builder document holding the page
    QString OriginalPath; // the document the page belonged to; empty for an untitled page
};

// Keeps a recovery copy of the current page while it has unsaved changes, so that a crash or a
// kill loses at most the last few seconds of work. The copy is a builder document in the
// recovery folder with a small note beside it naming the document it belongs to; both are
// replaced only once written whole. A page without unsaved changes has no copy.
//
// Only one running program keeps copies in a folder: a second one started beside it leaves the
// folder to the first (it neither writes nor offers the first one's copy).
class TRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    // Takes the folder for this program; copies are kept only once start() is called, so that
    // the copy a previous program left behind can be offered first.
    TRecoveryKeeper(TPageDocument &document, const QString &folder, QObject *parent = nullptr);
    ~TRecoveryKeeper() override;

    // Looks for unsaved changes every interval milliseconds from now on.
    void start(int interval = 2000);

    // False when another running program keeps this folder's copies.
    bool active() const { return m_lock != nullptr; }
    // The copy a program that ended without saving left behind; none when there is none or the
    // folder belongs to another running program.
    std::optional<TRecoveryCopy> leftBehind() const;

    // Writes the copy now when the page has changes the copy lacks; removes it when the page has
    // no unsaved changes. Returns false only when a needed write failed.
    bool update();
    // Removes the copy: the page was saved, abandoned or restored elsewhere.
    void discard();

    static QString copyPath(const QString &folder);

private:
    TPageDocument &m_document;
    QString m_folder;
    QTimer m_timer;
    std::unique_ptr<QLockFile> m_lock;
    QByteArray m_written; // what the copy holds now; empty when there is no copy
};
