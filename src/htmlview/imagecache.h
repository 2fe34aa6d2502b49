#pragma once

#include "viewhost.h"

#include <QHash>
#include <QString>

// Images read for earlier documents, kept while they are still in use: every load ages each entry
// by one, using an entry makes it young again, and an entry older than the capacity is freed.
class TImageCache {
public:
    struct Entry {
        THostImage Image;
        bool Masked = false; // a transparency mask has been made
        bool Transparent = false;
        int Age = 0;
    };

    explicit TImageCache(ViewHost *host = nullptr) : m_host(host) {}
    ~TImageCache();
    TImageCache(const TImageCache &) = delete;
    TImageCache &operator=(const TImageCache &) = delete;

    void SetHost(ViewHost *host) { m_host = host; }
    // Clamped to 0..20; lowering it frees the entries older than the new value at once.
    void SetCapacity(int capacity);
    int Capacity() const { return m_capacity; }

    // Upper-cased and trimmed: two spellings of one name share an entry.
    static QString Key(const QString &name);
    // The entry for a name, made young; nullptr when not cached.
    Entry *Find(const QString &name);
    Entry &Add(const QString &name, const THostImage &image, bool masked, bool transparent);
    // One more document loaded: everything ages, and old entries are freed.
    void Age();
    void Clear();
    int Count() const { return int(m_entries.size()); }

private:
    void FreeOlderThan(int age);

    ViewHost *m_host = nullptr;
    int m_capacity = 5;
    QHash<QString, Entry> m_entries;
};
