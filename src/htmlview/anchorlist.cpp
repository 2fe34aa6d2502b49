#include "anchorlist.h"

TSectionBase *TAnchorList::Find(const QString &name) const
{
    const QString upper = name.toUpper();
    for (const auto &[key, section] : m_items) {
        if (key == upper)
            return section;
    }
    return nullptr;
}
