#include "imagecache.h"

#include <algorithm>

TImageCache::~TImageCache()
{
    Clear();
}

void TImageCache::SetCapacity(int capacity)
{
    capacity = std::clamp(capacity, 0, 20);
    if (capacity < m_capacity)
        FreeOlderThan(capacity);
    m_capacity = capacity;
}

QString TImageCache::Key(const QString &name)
{
    return name.trimmed().toUpper();
}

TImageCache::Entry *TImageCache::Find(const QString &name)
{
    auto it = m_entries.find(Key(name));
    if (it == m_entries.end())
        return nullptr;
    it->Age = 0;
    return &*it;
}

TImageCache::Entry &TImageCache::Add(const QString &name, const THostImage &image, bool masked,
                                     bool transparent)
{
    const QString key = Key(name);
    auto it = m_entries.find(key);
    if (it != m_entries.end() && m_host && it->Image.Handle && it->Image.Handle != image.Handle)
        m_host->releaseImage(it->Image.Handle);
    Entry &e = m_entries[key];
    e = Entry{image, masked, transparent, 0};
    return e;
}

void TImageCache::Age()
{
    for (Entry &e : m_entries)
        ++e.Age;
    FreeOlderThan(m_capacity);
}

void TImageCache::FreeOlderThan(int age)
{
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (it->Age > age) {
            if (m_host && it->Image.Handle)
                m_host->releaseImage(it->Image.Handle);
            it = m_entries.erase(it);
        } else {
            ++it;
        }
    }
}

void TImageCache::Clear()
{
    if (m_host) {
        for (const Entry &e : std::as_const(m_entries)) {
            if (e.Image.Handle)
                m_host->releaseImage(e.Image.Handle);
        }
    }
    m_entries.clear();
}
