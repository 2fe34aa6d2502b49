#include "tpageviewer.h"

#include "htmlreader.h"
#include "sectionbase.h"
#include "textcodec.h"
#include "tpaintsurface.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace {

constexpr int kMaxFontNameLength = 31;

// Shows the hourglass for as long as the object lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

TViewerError FromViewError(const TViewError &error)
{
    switch (error.Kind) {
    case TViewErrorKind::None:
        return {};
    case TViewErrorKind::ParseError:
        return {TViewerErrorKind::ParseError, error.Message};
    case TViewErrorKind::ProcessError:
        return {TViewerErrorKind::ProcessError, error.Message};
    }
    return {};
}

} // namespace

TPageViewer::TPageViewer(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageViewer"));
    setFocusPolicy(Qt::StrongFocus);
    m_surface = new TPaintSurface(this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    m_vbar->setObjectName(QStringLiteral("VScrollBar"));
    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_hbar->setObjectName(QStringLiteral("HScrollBar"));
    m_vbar->hide();
    m_hbar->hide();
    m_vbar->setSingleStep(16);
    m_hbar->setSingleStep(15);
    connect(m_vbar, &QScrollBar::valueChanged, this, [this](int value) {
        if (value != m_yOffset)
            scrollTo(value,
                     qAbs(value - m_yOffset) == m_vbar->singleStep() ? ScrollMove::Blit : ScrollMove::Paint);
    });
    connect(m_hbar, &QScrollBar::valueChanged, this, [this](int value) { SetHorzPosition(value); });

    // Auto-scrolling while a selection is dragged past the top or bottom edge.
    m_autoScroll = new QTimer(this);
    m_autoScroll->setInterval(50);
    connect(m_autoScroll, &QTimer::timeout, this, &TPageViewer::autoScroll);

    m_view.ExpandFileName = [this](const QString &name) { return ExpandLinkFilename(name); };
    m_doc.BackgroundChanged = [this] { m_surface->update(); };
    m_view.Prepare(m_settings);
    resize(300, 200);
}

TPageViewer::~TPageViewer() = default;

// ---------------------------------------------------------------- loading

TViewerError TPageViewer::LoadFromFile(const QString &name)
{
    return loadFile(name, TViewerFileType::HTML);
}

TViewerError TPageViewer::LoadTextFile(const QString &name)
{
    return loadFile(name, TViewerFileType::Text);
}

TViewerError TPageViewer::LoadImageFile(const QString &name)
{
    return loadFile(name, TViewerFileType::Image);
}

TViewerError TPageViewer::loadFile(const QString &name, TViewerFileType type)
{
    if (m_processing || name.isEmpty())
        return {};
    const QString shownFile = m_fileName;
    const QString shownTitle = m_doc.Title;
    const TSavedPosition shownAt = savedPosition();
    const TViewerFileType shownType = m_fileType;

    WaitCursor wait;
    QString file = name;
    QString destination;
    const qsizetype hash = name.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        file = name.left(hash);
        destination = name.mid(hash + 1);
    }
    setProcessing(true);
    // Checked before anything is cleared, so the page now shown stays when the file is missing.
    if (!QFileInfo(file).isFile()) {
        setProcessing(false);
        return {TViewerErrorKind::FileNotFound, QStringLiteral("Can't locate file: ") + file};
    }
    prepareDocument();
    TViewError error;
    switch (type) {
    case TViewerFileType::HTML:
        error = ParseHtmlFile(m_doc, m_anchors, file);
        break;
    case TViewerFileType::Text:
        error = ParseTextFile(m_doc, m_anchors, file);
        break;
    case TViewerFileType::Image: {
        const QByteArray source = "<img src=\"" + EncodePageText(file) + "\">";
        error = ParseHtmlBuffer(m_doc, m_anchors, source.constData(), source.size());
        break;
    }
    }
    m_fileName = file;
    m_fileType = type;
    finishDocument();
    if (destination.isEmpty() || !ScrollToAnchor(destination))
        scrollTo(0);
    setProcessing(false);
    if (file != shownFile || type != shownType)
        enterHistory(shownFile, shownTitle, TSavedPosition{shownAt.Position, int(shownType)});
    return FromViewError(error);
}

TViewerError TPageViewer::LoadLines(const QStringList &lines)
{
    QList<QByteArray> bytes;
    bytes.reserve(lines.size());
    for (const QString &line : lines)
        bytes.append(EncodePageText(line));
    // The lines are text already, turned into Windows-1252 here: what the page says about the
    // encoding of its bytes does not apply to them.
    return loadSource([&] { return ParseHtmlLines(m_doc, m_anchors, bytes, TPageEncoding::Windows1252); },
                      TViewerFileType::HTML);
}

TViewerError TPageViewer::LoadLines(const QList<QByteArray> &lines)
{
    return loadSource([&] { return ParseHtmlLines(m_doc, m_anchors, lines); }, TViewerFileType::HTML);
}

TViewerError TPageViewer::LoadTextLines(const QList<QByteArray> &lines)
{
    return loadSource([&] { return ParseTextLines(m_doc, m_anchors, lines); }, TViewerFileType::Text);
}

TViewerError TPageViewer::loadSource(const std::function<TViewError()> &parse, TViewerFileType type)
{
    if (m_processing)
        return {};
    WaitCursor wait;
    setProcessing(true);
    prepareDocument();
    const TViewError error = parse();
    m_fileName.clear();
    m_fileType = type;
    finishDocument();
    scrollTo(0);
    setProcessing(false);
    return FromViewError(error);
}

void TPageViewer::prepareDocument()
{
    m_view.Prepare(m_settings);
    m_doc.ImageRequest = nullptr;
    if (OnImageRequest) {
        m_doc.ImageRequest = [this](const QString &source, THostImage &image, int &colour) {
            return requestImage(source, image, colour);
        };
    }
    m_doc.UpdateFonts();
    m_selStart = m_selEnd = m_selAnchor = -1;
    m_linkUnderMouse.Clear();
    m_pressedControl = nullptr;
}

void TPageViewer::finishDocument()
{
    m_loaded = true;
    m_view.FileName = m_fileName;
    m_doc.GetBackgroundImage();
    layoutDocument();
}

bool TPageViewer::requestImage(const QString &source, THostImage &image, int &transparentColor)
{
    QImage bitmap;
    OnImageRequest(this, source, bitmap, transparentColor);
    if (bitmap.isNull())
        return false;
    image.Handle = m_host.addImage(bitmap);
    image.Width = bitmap.width();
    image.Height = bitmap.height();
    image.Transparent = false;
    return true;
}

void TPageViewer::Clear()
{
    if (m_processing)
        return;
    m_doc.Clear();
    m_anchors.Clear();
    m_pressedControl = nullptr; // it belonged to a section of the document just dropped
    m_fileName.clear();
    m_loaded = false;
    m_layout = {};
    m_selStart = m_selEnd = m_selAnchor = -1;
    m_linkUnderMouse.Clear();
    m_yOffset = m_xOffset = 0;
    arrangeScrollBars();
    m_surface->update();
}

bool TPageViewer::ScrollToAnchor(const QString &name)
{
    QString key = name;
    if (key.startsWith(QLatin1Char('#')))
        key.remove(0, 1);
    const TSectionBase *section = m_anchors.Find(key.toUpper());
    if (!section)
        return false;
    SetHorzPosition(0);
    scrollTo(section->YValue());
    return true;
}

QString TPageViewer::ExpandLinkFilename(const QString &name) const
{
    return m_view.DefaultExpandFileName(name);
}

TLinkTarget TPageViewer::GetURL(QPoint controlPoint) const
{
    const QPoint p = toDocument(m_surface->mapFrom(this, controlPoint));
    const TLinkHit hit = m_doc.GetURL(p.x(), p.y());
    return hit.Found ? hit.Link : TLinkTarget{};
}

void TPageViewer::setProcessing(bool on)
{
    if (m_processing == on)
        return;
    m_processing = on;
    if (OnProcessing)
        OnProcessing(this, on);
}

// ---------------------------------------------------------------- history

void TPageViewer::enterHistory(const QString &shownFile, const QString &shownTitle, TSavedPosition shownAt)
{
    if (m_history.Limit() <= 0)
        return;
    const TSavedPosition now{savedPosition().Position, int(m_fileType)};
    if (m_history.Push(shownFile, shownTitle, shownAt, m_fileName, m_doc.Title, now) && OnHistoryChange)
        OnHistoryChange(this);
}

void TPageViewer::GoBack()
{
    GoToHistory(m_history.Index() + 1);
}

void TPageViewer::GoForward()
{
    GoToHistory(m_history.Index() - 1);
}

void TPageViewer::GoToHistory(int index)
{
    if (m_processing || index < 0 || index >= m_history.Count() || index == m_history.Index())
        return;
    m_history.StorePosition({savedPosition().Position, int(m_fileType)});
    const TSavedPosition at = m_history.Position(index);
    const QString file = m_history.Files().at(index);
    const auto type = TViewerFileType(at.FileType);
    if (file != m_fileName || type != m_fileType) {
        // Moving through the history must not add to it.
        const int limit = m_history.Limit();
        TViewerHistory keep = m_history;
        loadFile(file, type);
        m_history = keep;
        m_history.SetLimit(limit);
    }
    m_history.SetIndex(index);
    restorePosition(at);
    if (OnHistoryChange)
        OnHistoryChange(this);
}

TSavedPosition TPageViewer::savedPosition() const
{
    const auto &sections = m_doc.Sections();
    for (size_t i = 0; i < sections.size() && i < 0xFFFF; ++i) {
        const TSectionBase *s = sections[i].get();
        if (m_yOffset < s->YValue() + s->SectionHeight()) {
            const int into = qBound(0, m_yOffset - s->YValue(), 0xFFFF);
            return {uint32_t(i) << 16 | uint32_t(into), int(m_fileType)};
        }
    }
    return {0, int(m_fileType)};
}

void TPageViewer::restorePosition(TSavedPosition at)
{
    const size_t index = at.Position >> 16;
    const auto &sections = m_doc.Sections();
    if (index < sections.size())
        scrollTo(sections[index]->YValue() + int(at.Position & 0xFFFF));
    else
        scrollTo(0);
}

// ---------------------------------------------------------------- properties

void TPageViewer::relayoutKeepingPosition()
{
    if (!m_loaded || m_processing)
        return;
    WaitCursor wait;
    setProcessing(true);
    const TSavedPosition at = savedPosition();
    m_doc.UpdateFonts();
    layoutDocument();
    restorePosition(at);
    setProcessing(false);
}

void TPageViewer::SetShowImages(bool show)
{
    if (show == m_settings.ShowImages)
        return;
    m_settings.ShowImages = show;
    m_doc.ShowImages = show;
    if (m_loaded && !m_processing) {
        relayoutKeepingPosition();
        m_doc.GetBackgroundImage();
    }
    m_surface->update();
}

void TPageViewer::SetDefaultBackground(TColor colour)
{
    // A page that chose its own background (BODY BGCOLOR) keeps it.
    if (SameColor(m_doc.Background(), m_settings.DefaultBackground))
        m_doc.SetBackground(colour);
    m_settings.DefaultBackground = colour;
    m_surface->update();
}

void TPageViewer::SetBorderStyle(TViewerBorderStyle style)
{
    m_borderStyle = style;
    update();
}

void TPageViewer::SetHistoryLimit(int limit)
{
    const int before = m_history.Count();
    m_history.SetLimit(limit);
    if (before != m_history.Count() && OnHistoryChange)
        OnHistoryChange(this);
}

void TPageViewer::changeFontName(QString &setting, QString &documentName, const QString &name)
{
    const QString value = name.left(kMaxFontNameLength);
    if (value.compare(setting, Qt::CaseInsensitive) == 0)
        return;
    setting = value;
    documentName = value;
    relayoutKeepingPosition();
    m_surface->update();
}

void TPageViewer::SetDefaultFontName(const QString &name)
{
    changeFontName(m_settings.DefaultFontName, m_doc.DefaultFontName, name);
}

void TPageViewer::SetFixedFontName(const QString &name)
{
    changeFontName(m_settings.FixedFontName, m_doc.PreFontName, name);
}

void TPageViewer::SetDefaultFontSize(int size)
{
    size = qMax(6, size);
    if (size == m_settings.DefaultFontSize)
        return;
    m_settings.DefaultFontSize = size;
    m_doc.DefaultFontSize = size;
    relayoutKeepingPosition();
    m_surface->update();
}

void TPageViewer::changeDefaultColour(TColor &setting, TColor &documentColour, TColor colour)
{
    // A page that set its own colour (BODY TEXT or LINK) keeps it.
    if (SameColor(documentColour, setting))
        documentColour = colour;
    setting = colour;
    m_doc.UpdateFonts();
    m_surface->update();
}

void TPageViewer::SetDefaultFontColor(TColor colour)
{
    changeDefaultColour(m_settings.DefaultFontColor, m_doc.DefaultFontColor, colour);
}

void TPageViewer::SetDefaultLinkColor(TColor colour)
{
    changeDefaultColour(m_settings.DefaultLinkColor, m_doc.LinkColor, colour);
}

void TPageViewer::SetImageCacheSize(int size)
{
    m_cache.SetCapacity(qBound(0, size, 20));
}

void TPageViewer::SetScrollBars(TScrollStyle bars)
{
    if (bars == m_scrollBars)
        return;
    m_scrollBars = bars;
    if (m_loaded && !m_processing)
        relayoutKeepingPosition();
    else
        arrangeScrollBars();
    m_surface->update();
}

// ---------------------------------------------------------------- layout and scrolling

int TPageViewer::layoutWidth() const
{
    const bool vertical = m_scrollBars == TScrollStyle::ssVertical || m_scrollBars == TScrollStyle::ssBoth;
    return qMax(0, width() - (vertical ? m_vbar->sizeHint().width() : 0) - 2 * LeftMargin);
}

void TPageViewer::layoutDocument()
{
    m_layout = m_loaded ? m_doc.LayoutDocument(layoutWidth()) : TLayoutSize{};
    arrangeScrollBars();
}

void TPageViewer::arrangeScrollBars()
{
    const int barV = m_vbar->sizeHint().width();
    const int barH = m_hbar->sizeHint().height();
    const bool allowV = m_scrollBars == TScrollStyle::ssVertical || m_scrollBars == TScrollStyle::ssBoth;
    const bool allowH = m_scrollBars == TScrollStyle::ssHorizontal || m_scrollBars == TScrollStyle::ssBoth;
    // Each bar takes room from the other's decision; two passes settle it.
    bool showV = false;
    bool showH = false;
    for (int pass = 0; pass < 2; ++pass) {
        showV = allowV && m_layout.Height > height() - 2 - (showH ? barH : 0);
        showH = allowH && width() - (showV ? barV : 0) < m_layout.MaxWidth + 2 * LeftMargin;
    }
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const int surfaceW = qMax(0, inner.width() - (showV ? barV : 0));
    const int surfaceH = qMax(0, inner.height() - (showH ? barH : 0));
    m_surface->setGeometry(inner.x(), inner.y(), surfaceW, surfaceH);
    m_vbar->setVisible(showV);
    m_hbar->setVisible(showH);
    if (showV)
        m_vbar->setGeometry(inner.x() + surfaceW, inner.y(), barV, surfaceH);
    if (showH)
        m_hbar->setGeometry(inner.x(), inner.y() + surfaceH, surfaceW, barH);

    const QSignalBlocker blockV(m_vbar);
    const QSignalBlocker blockH(m_hbar);
    m_vbar->setRange(0, qMax(0, m_layout.Height - surfaceH));
    m_vbar->setPageStep(qMax(1, surfaceH));
    m_hbar->setRange(0, qMax(0, m_layout.MaxWidth + 2 * LeftMargin - surfaceW));
    m_hbar->setPageStep(qMax(1, surfaceW));
    // The document may have become shorter or narrower than where the view stood.
    m_yOffset = qBound(0, m_yOffset, m_vbar->maximum());
    m_xOffset = qBound(0, m_xOffset, m_hbar->maximum());
    m_vbar->setValue(m_yOffset);
    m_hbar->setValue(m_xOffset);
    m_doc.SetVerticalOffset(m_yOffset);
}

QSize TPageViewer::ViewSize() const
{
    return m_surface->size();
}

void TPageViewer::SetPosition(int y)
{
    scrollTo(y);
}

void TPageViewer::scrollTo(int y, ScrollMove move)
{
    y = qBound(0, y, qMax(0, m_layout.Height - m_surface->height()));
    const int dy = m_yOffset - y;
    m_yOffset = y;
    {
        const QSignalBlocker block(m_vbar);
        m_vbar->setValue(y);
    }
    m_doc.SetVerticalOffset(y);
    if (dy == 0)
        return;
    // A move of one small step shifts what is on screen and paints only the strip that came in.
    if (move == ScrollMove::Blit && qAbs(dy) < m_surface->height())
        m_surface->scroll(0, dy);
    else
        m_surface->update();
}

void TPageViewer::SetHorzPosition(int x)
{
    x = qBound(0, x, qMax(0, m_layout.MaxWidth + 2 * LeftMargin - m_surface->width()));
    if (x == m_xOffset)
        return;
    m_xOffset = x;
    {
        const QSignalBlocker block(m_hbar);
        m_hbar->setValue(x);
    }
    m_surface->update();
}

void TPageViewer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_loaded && !m_processing)
        relayoutKeepingPosition();
    else
        arrangeScrollBars();
}

// ---------------------------------------------------------------- painting

void TPageViewer::paintSurface(const QRect &clip)
{
    // Painted into a buffer the size of the exposed area first, then copied in one go, so the
    // page never flickers through its background while it is drawn.
    const qreal ratio = m_surface->devicePixelRatioF();
    QPixmap buffer(clip.size() * ratio);
    QPainter screen(m_surface);
    if (buffer.isNull()) {
        // No memory for the buffer ("Out of Resources"): leave the area as it was.
        return;
    }
    buffer.setDevicePixelRatio(ratio);
    {
        QPainter painter(&buffer);
        painter.translate(-clip.topLeft());
        PaintDocument(painter, clip);
    }
    screen.drawPixmap(clip.topLeft(), buffer);
}

void TPageViewer::PaintDocument(QPainter &painter, const QRect &clip)
{
    m_view.Paint(painter, clip, QPoint(m_xOffset, m_yOffset), m_selStart, m_selEnd);
}

void TPageViewer::paintEvent(QPaintEvent *)
{
    // The one-pixel frame around the surface and the bars.
    QPainter painter(this);
    const bool framed = m_borderStyle == TViewerBorderStyle::vbSingle ||
                        (m_borderStyle == TViewerBorderStyle::vbFocused && hasFocus());
    const QRgb colour =
        framed ? m_host.systemColor(TSystemColor::ButtonText) : m_host.toRgb(m_doc.Background());
    painter.setPen(QColor::fromRgb(colour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // The corner between the two bars.
    if (m_vbar->isVisible() && m_hbar->isVisible())
        painter.fillRect(QRect(m_vbar->x(), m_hbar->y(), m_vbar->width(), m_hbar->height()),
                         palette().color(QPalette::Window));
}

void TPageViewer::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TPageViewer::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
