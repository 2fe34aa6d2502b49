#include "page.h"

#include "stringtable.h"

namespace {

bool KnownKind(TBlockKind kind)
{
    return kind >= 0 && kind < kBlockKindCount;
}

} // namespace

TPage::TPage(QObject *parent) : QObject(parent), m_title(defaultTitle()) {}

QByteArray TPage::defaultTitle()
{
    return LoadStrBytes(104);
}

QByteArray TPage::noStyleName()
{
    return LoadStrBytes(31);
}

// ---- blocks ----

bool TPage::appendChunk(TWebChunk chunk)
{
    if (!KnownKind(chunk.Kind()))
        return false;
    m_chunks.push_back(std::move(chunk));
    emit chunkAppended(int(m_chunks.size()) - 1);
    return true;
}

void TPage::setChunks(TWebChunkList chunks)
{
    std::erase_if(chunks, [](const TWebChunk &chunk) { return !KnownKind(chunk.Kind()); });
    m_chunks = std::move(chunks);
    emit chunksReplaced();
}

void TPage::clear()
{
    m_chunks.clear();
    setPageTitle(defaultTitle());
    setLogo(TLogoOption::On);
    emit cleared();
}

// ---- title ----

void TPage::setPageTitle(const QByteArray &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

void TPage::changeTitle(const QByteArray &title)
{
    setPageTitle(title);
    // The preview is not drawn again: the title does not show in the page itself.
    if (m_html)
        setHTML(ChangeTitleHTML(*m_html, m_title));
    setPageModified(true);
}

// ---- style ----

QByteArray TPage::StyleName() const
{
    return m_style ? m_style->StyleName : noStyleName();
}

void TPage::setStyle(std::optional<TStyleChunk> style)
{
    if (style == m_style)
        return;
    m_style = std::move(style);
    emit styleChanged();
}

void TPage::applyStyle()
{
    if (m_html)
        setHTML(AddBodyDef(*m_html, m_style ? &*m_style : nullptr));
}

void TPage::chooseStyle(std::optional<TStyleChunk> style)
{
    setStyle(std::move(style));
    applyStyle();
    setPageModified(true);
}

// ---- logo ----

void TPage::setLogo(TLogoOption logo)
{
    if (logo == m_logo)
        return;
    m_logo = logo;
    emit logoChanged(m_logo);
}

void TPage::changeLogo(TLogoOption logo)
{
    setLogo(logo);
    if (m_html)
        setHTML(ChangeLogoHTML(*m_html, m_logo));
}

// ---- the page HTML text ----

void TPage::setHTML(std::optional<QByteArray> html)
{
    if (html == m_html)
        return;
    m_html = std::move(html);
    emit htmlChanged();
}

void TPage::generateHTML()
{
    m_handEdited = false;
    setHTML(buildHTML(TBodyStyle::Chosen));
}

void TPage::discardHTML()
{
    // A text that is gone holds no hand edits any more, so there is nothing left to ask about.
    m_handEdited = false;
    setHTML(std::nullopt);
}

void TPage::editHTML(const QByteArray &text)
{
    m_handEdited = true;
    setHTML(text);
}

void TPage::previewShown()
{
    m_handEdited = false;
}

QByteArray TPage::currentHTML()
{
    return m_html ? *m_html : buildHTML(TBodyStyle::Chosen);
}

QByteArray TPage::buildHTML(TBodyStyle body)
{
    TPageHTMLSettings settings;
    settings.Options = boPreview;
    settings.Logo = m_logo;
    // The body gets its style afterwards, the way a later change of style gets it too.
    const QByteArray html = BuildPageHTML(m_chunks, m_title, settings);
    if (body == TBodyStyle::Plain)
        return html;
    return AddBodyDef(html, m_style ? &*m_style : nullptr);
}

// ---- changes ----

void TPage::setPageModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

QStringList TPage::selfCheck() const
{
    QStringList problems;
    for (size_t i = 0; i < m_chunks.size(); ++i) {
        const TWebChunk &chunk = m_chunks[i];
        // The record decides the kind, so the only broken block is one that holds no record.
        if (!KnownKind(chunk.Kind()))
            problems << QStringLiteral("block %1 holds no record").arg(i);
    }
    if (m_handEdited && !m_html)
        problems << QStringLiteral("hand edits are recorded but there is no page HTML text");
    if (m_style && m_style->StyleName.isEmpty())
        problems << QStringLiteral("the chosen style has no name, so no document could find it again");
    return problems;
}
