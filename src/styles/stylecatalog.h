#pragma once

#include "stylechunk.h"
#include "stylesfile.h"

#include <QObject>

#include <optional>

// The program's style list, read from "Styles.data" once at start and again after the style
// wizard has written the file. It belongs to no window: the preview's style list shows it, the
// document loader finds a stored style's record in it, and a program without a screen can load
// it just the same.
class TStyleCatalog : public QObject {
    Q_OBJECT
public:
    explicit TStyleCatalog(QObject *parent = nullptr) : QObject(parent) {}

    // Reads the styles file at path. A missing or damaged file gives the styles read before the
    // damage; what went wrong is in the result.
    TStylesRead load(const QString &path);
    // Replaces the list, as a load would.
    void setStyles(TStyleList styles);

    const TStyleList &styles() const { return m_styles; }

    // The list item a style name stands for: 0 for "[None]", i for the style i - 1, compared
    // without regard to letter case; -1 when no item has the name.
    int itemIndex(const QByteArray &name) const { return StyleItemIndex(m_styles, name); }
    // The style of a list item; none for "[None]" and for an item that does not exist.
    std::optional<TStyleChunk> styleOfItem(int item) const;

signals:
    // The list was read or replaced; everything that shows it fills itself again.
    void stylesChanged();

private:
    TStyleList m_styles;
};
