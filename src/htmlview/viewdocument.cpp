#include "viewdocument.h"

#include "imagecache.h"
#include "section.h"

TViewDocument::TViewDocument(ViewHost *host) : m_host(host) {}

TViewDocument::~TViewDocument()
{
    // Sections go first: their form controls point into the forms. Images belong to the cache.
    m_sections.clear();
}

void TViewDocument::SetBackground(TColor colour)
{
    m_background = colour;
    if (BackgroundChanged)
        BackgroundChanged();
}

const TImageMap *TViewDocument::FindMap(const QString &upperName) const
{
    for (const auto &m : Maps) {
        if (m->Name == upperName)
            return m.get();
    }
    return nullptr;
}

void TViewDocument::Clear()
{
    m_sections.clear();
    m_reach.clear();
    Forms.clear();
    Maps.clear();
    BackgroundImageName.clear();
    m_backgroundImage = {};
    m_backgroundLoaded = false;
    m_failedImages.clear();
    Title.clear();
    Base.clear();
    BaseTarget.clear();
    m_len = 0;
    m_height = 0;
    m_lastLayout = {};
}

void TViewDocument::UpdateFonts()
{
    TCell::UpdateFonts();
}

TLayoutSize TViewDocument::LayoutDocument(int width)
{
    int pos = 0;
    const TLayoutSize size = LayoutCell(0, 0, width, pos);
    m_lastLayout = size;
    return m_lastLayout;
}

void TViewDocument::Draw(const QRect &clip, int xOffset, int yOffset, int selStart, int selEnd) const
{
    if (!m_host)
        return;
    TDrawContext dc;
    dc.Clip = clip;
    dc.XOffset = xOffset;
    dc.YOffset = yOffset;
    if (selStart > selEnd)
        std::swap(selStart, selEnd);
    dc.SelStart = selStart;
    dc.SelEnd = selEnd;
    m_host->setClip(clip);
    TCell::Draw(dc);
}

QString TViewDocument::SelectedText(int selStart, int selEnd) const
{
    if (selStart > selEnd)
        std::swap(selStart, selEnd);
    QString out;
    if (selStart < 0 || selStart == selEnd)
        return out;
    CopyToClipboard(out, selStart, selEnd);
    return out;
}

int TViewDocument::Find(const QString &text, int from) const
{
    if (text.isEmpty())
        return -1;
    return FindString(text.toUpper(), std::max(0, from));
}

void TViewDocument::SetVerticalOffset(int offset)
{
    if (offset == m_verticalOffset)
        return;
    m_verticalOffset = offset;
    for (const auto &form : Forms) {
        for (TFormControl *c : form->Controls)
            c->Shown = false;
    }
}

bool TViewDocument::IsPlaceholder(TImageHandle image) const
{
    if (!m_host || !image)
        return false;
    return image == m_host->builtinImage(TBuiltinImage::Broken).Handle ||
           image == m_host->builtinImage(TBuiltinImage::Placeholder).Handle;
}

THostImage TViewDocument::RequestImage(const QString &source, bool transparent)
{
    if (!m_host)
        return {};
    if (!m_cache) {
        if (!m_ownCache)
            m_ownCache = std::make_unique<TImageCache>(m_host);
        m_cache = m_ownCache.get();
    }
    if (TImageCache::Entry *e = m_cache->Find(source)) {
        if (transparent && !e->Masked) {
            m_host->makeTransparent(e->Image.Handle, -1);
            e->Masked = true;
            e->Transparent = true;
        }
        return e->Image;
    }
    const QString key = TImageCache::Key(source);
    if (m_failedImages.contains(key))
        return m_host->builtinImage(TBuiltinImage::Broken);
    THostImage image;
    bool masked = false;
    bool isTransparent = false;
    if (ImageRequest) {
        int colour = -1;
        if (ImageRequest(source, image, colour) && image.Handle) {
            if (colour >= 0) {
                m_host->makeTransparent(image.Handle, colour);
                masked = isTransparent = true;
            } else if (transparent) {
                m_host->makeTransparent(image.Handle, -1);
                masked = isTransparent = true;
            }
        }
    } else {
        const QString path = ExpandFileName ? ExpandFileName(source) : source.trimmed();
        const QString lower = path.toLower();
        static const char *const kExtensions[] = {".bmp", ".gif", ".png", ".jpg", ".jpeg"};
        bool known = false;
        for (const char *ext : kExtensions)
            known = known || lower.endsWith(QLatin1String(ext));
        if (known)
            image = m_host->loadImage(path);
        if (image.Handle) {
            isTransparent = image.Transparent;
            if (transparent && !isTransparent) {
                m_host->makeTransparent(image.Handle, -1);
                masked = isTransparent = true;
            }
        }
    }
    if (!image.Handle) {
        m_failedImages.insert(key);
        return m_host->builtinImage(TBuiltinImage::Broken);
    }
    return m_cache->Add(source, image, masked, isTransparent).Image;
}

THostImage TViewDocument::GetBackgroundImage()
{
    if (!m_backgroundLoaded && ShowImages && !BackgroundImageName.isEmpty()) {
        m_backgroundLoaded = true;
        const THostImage image = RequestImage(BackgroundImageName, false);
        // A background that cannot be read is no background, not a tiled broken-image picture.
        if (!IsPlaceholder(image.Handle))
            m_backgroundImage = image;
    }
    return ShowImages ? m_backgroundImage : THostImage{};
}
