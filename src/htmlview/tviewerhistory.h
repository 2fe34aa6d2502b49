#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Where the view stood in a document: the index of the section at the top of the window in the
// high 16 bits and the pixel offset into that section in the low 16 bits. It survives a
// re-layout at another width or font, where a plain pixel offset would not.
struct TSavedPosition {
    uint32_t Position = 0;
    int FileType = 0;
};

// The documents the viewer has shown, newest first, with the entry of the document now shown.
// Three parallel lists (files, titles, positions) as the viewer's callers know them.
class TViewerHistory {
public:
    int Limit() const { return m_limit; }
    // Lowering the limit clears the history; 0 switches it off.
    void SetLimit(int limit);

    int Count() const { return int(m_files.size()); }
    int Index() const { return m_index; }
    const QStringList &Files() const { return m_files; }
    const QStringList &Titles() const { return m_titles; }
    const TSavedPosition &Position(int i) const { return m_positions.at(size_t(i)); }

    // A new document is shown; the one that was shown (when there was one) keeps its position.
    // Returns whether the history changed.
    bool Push(const QString &shownFile, const QString &shownTitle, TSavedPosition shownAt,
              const QString &newFile, const QString &newTitle, TSavedPosition newAt);
    // Records where the view now stands in the current entry.
    void StorePosition(TSavedPosition at);
    void SetIndex(int index) { m_index = index; }
    void Clear();

private:
    int m_limit = 0;
    int m_index = -1;
    QStringList m_files;
    QStringList m_titles;
    std::vector<TSavedPosition> m_positions;
};
