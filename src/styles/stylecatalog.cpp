#include "stylecatalog.h"

TStylesRead TStyleCatalog::load(const QString &path)
{
    TStylesRead read = LoadStyles(path);
    setStyles(read.Styles);
    return read;
}

void TStyleCatalog::setStyles(TStyleList styles)
{
    m_styles = std::move(styles);
    emit stylesChanged();
}

std::optional<TStyleChunk> TStyleCatalog::styleOfItem(int item) const
{
    if (item < 1 || item > int(m_styles.size()))
        return std::nullopt;
    return m_styles[size_t(item - 1)];
}
