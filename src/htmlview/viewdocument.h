#pragma once

#include "cell.h"
#include "imagemap.h"
#include "pageform.h"
#include "viewhost.h"

#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class TImageCache;
class TInlineImage;

// Supplies an image instead of a file: given the source name, sets the image (a handle of the
// document's host) and a transparent colour (preset to -1) and returns true.
using TImageRequestHandler =
    std::function<bool(const QString &source, THostImage &image, int &transparentColor)>;
// Turns an image or link name into a file path (the viewer's link file-name expansion).
using TFileNameExpander = std::function<QString(const QString &name)>;

// One HTML document of the viewer: its sections (it is the outermost cell) and the document-wide
// settings, forms, image maps and image loading.
class TViewDocument : public TCell {
public:
    explicit TViewDocument(ViewHost *host = nullptr);
    ~TViewDocument() override;

    // Font handles belong to a host, so a new host makes every font look itself up again.
    void SetHost(ViewHost *host)
    {
        m_host = host;
        UpdateFonts();
    }
    ViewHost *Host() const { return m_host; }
    void SetImageCache(TImageCache *cache) { m_cache = cache; }
    TImageCache *ImageCache() const { return m_cache; }
    TImageRequestHandler ImageRequest;
    TFileNameExpander ExpandFileName;
    // Called when the background colour changes (the viewer repaints).
    std::function<void()> BackgroundChanged;

    // ---- settings ----
    QString DefaultFontName = QStringLiteral("Liberation Serif");
    QString PreFontName = QStringLiteral("Liberation Mono");
    int DefaultFontSize = 12;
    TColor DefaultFontColor = clBtnText;
    TColor LinkColor = clBlue;
    bool ShowImages = true;
    bool Printing = false;
    void SetBackground(TColor colour);
    TColor Background() const { return m_background; }
    QString BackgroundImageName;

    // ---- what the reader found ----
    QString Title;
    QString Base;
    QString BaseTarget;
    std::vector<std::unique_ptr<TPageForm>> Forms;
    std::vector<std::unique_ptr<TImageMap>> Maps;
    const TImageMap *FindMap(const QString &upperName) const;

    // ---- operations, in the order the viewer uses them ----
    // Drops all sections, forms, maps, the background image and its name.
    void Clear();
    // Every font recomputes its shown name and size (after a settings change).
    void UpdateFonts();
    // Lays out every section at the width; returns the document height and the widest need.
    TLayoutSize LayoutDocument(int width);
    TLayoutSize LastLayout() const { return m_lastLayout; }
    // Paints the sections that meet the clip rectangle (device coordinates); a document point
    // (x, y) lands on (x + xOffset, y + yOffset). Characters from selStart to selEnd are inverted.
    void Draw(const QRect &clip, int xOffset, int yOffset, int selStart = -1, int selEnd = -1) const;
    // The selected text; line ends between sections as CR LF.
    QString SelectedText(int selStart, int selEnd) const;
    // The first match of text (case-insensitive) at or after from, or -1.
    int Find(const QString &text, int from) const;
    // The character count of the laid-out document.
    int TextLength() const { return m_len; }
    // Called when the view scrolls: form controls count as not shown until painted again.
    void SetVerticalOffset(int offset);
    int VerticalOffset() const { return m_verticalOffset; }

    // ---- images ----
    // The image for a source name, through the request handler, the cache or the file; the
    // broken-image picture when none can be had. Transparent asks for a mask.
    THostImage RequestImage(const QString &source, bool transparent);
    // The background image, loaded on first use when images are shown; Handle 0 when none.
    THostImage GetBackgroundImage();
    // Whether a handle is one of the two built-in placeholder pictures.
    bool IsPlaceholder(TImageHandle image) const;

private:
    ViewHost *m_host = nullptr;
    TImageCache *m_cache = nullptr;
    std::unique_ptr<TImageCache> m_ownCache; // when the viewer gives none
    TColor m_background = clBtnFace;
    THostImage m_backgroundImage;
    // Names that gave no image in this document: each is tried once, not once per IMG.
    QSet<QString> m_failedImages;
    bool m_backgroundLoaded = false;
    int m_verticalOffset = 0;
    TLayoutSize m_lastLayout;
};
