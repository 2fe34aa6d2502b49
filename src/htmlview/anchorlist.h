#pragma once

#include <QString>

#include <utility>
#include <vector>

class TSectionBase;

// The named anchors of a document: upper-cased name -> the section it stands in.
class TAnchorList {
public:
    void Add(const QString &upperName, TSectionBase *section) { m_items.emplace_back(upperName, section); }
    // The section of the first anchor of that name (compared upper-cased), or nullptr.
    TSectionBase *Find(const QString &name) const;
    void Clear() { m_items.clear(); }
    int Count() const { return int(m_items.size()); }
    const std::vector<std::pair<QString, TSectionBase *>> &Items() const { return m_items; }

private:
    std::vector<std::pair<QString, TSectionBase *>> m_items;
};
