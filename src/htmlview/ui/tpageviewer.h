#pragma once

#include "tpageview.h"
#include "tviewerhistory.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

class QScrollBar;
class QTimer;
class TFormControl;
class TPaintSurface;

enum class TViewerBorderStyle { vbFocused, vbNone, vbSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// What the shown document was made from.
enum class TViewerFileType { HTML = 0, Text = 1, Image = 2 };

// Why a load did not go as asked. The document read up to a reader or layout error is shown
// before the error is handed back.
enum class TViewerErrorKind { None, FileNotFound, ParseError, ProcessError };
struct TViewerError {
    TViewerErrorKind Kind = TViewerErrorKind::None;
    QString Message;
    bool ok() const { return Kind == TViewerErrorKind::None; }
};

// The program's HTML viewer: loads a page from a file or from lines, lays it out with the HTML
// engine, paints it with scroll bars, shows the hand cursor over links, selects and copies text
// and follows local links. The events are plain callbacks because several of them hand values
// back (Handled, the requested image).
class TPageViewer : public QWidget {
    Q_OBJECT
public:
    using TLinkHoverEvent = std::function<void(TPageViewer *sender, const QString &src)>;
    using TLinkClickEvent = std::function<void(TPageViewer *sender, const QString &src, bool &handled)>;
    using TImageRequestEvent =
        std::function<void(TPageViewer *sender, const QString &src, QImage &bitmap, int &color)>;
    using TFormSubmitEvent = std::function<void(TPageViewer *sender, const QString &action,
                                                const QString &method, const QStringList &results)>;
    using TNotifyEvent = std::function<void(TPageViewer *sender)>;
    using TProcessingEvent = std::function<void(TPageViewer *sender, bool processingOn)>;

    explicit TPageViewer(QWidget *parent = nullptr);
    ~TPageViewer() override;

    // ---- loading ----
    TViewerError LoadFromFile(const QString &name);
    TViewerError LoadTextFile(const QString &name);
    TViewerError LoadImageFile(const QString &name);
    TViewerError LoadLines(const QStringList &lines);
    TViewerError LoadLines(const QList<QByteArray> &lines);
    TViewerError LoadTextLines(const QList<QByteArray> &lines);
    void Clear();
    bool ScrollToAnchor(const QString &name);
    // Turns a link's name into a file path; a derived viewer may map names its own way.
    virtual QString ExpandLinkFilename(const QString &name) const;
    // The link under a point of the control, empty when none.
    TLinkTarget GetURL(QPoint controlPoint) const;

    // ---- history ----
    void GoBack();
    void GoForward();
    void GoToHistory(int index);
    const TViewerHistory &History() const { return m_history; }

    // ---- selection ----
    int SelStart() const { return m_selStart; }
    int SelEnd() const { return m_selEnd; }
    void SetSelection(int start, int end);
    void SelectAll();
    QString SelectedText() const;
    void CopyToClipboard() const;

    // ---- properties ----
    bool ShowImages() const { return m_settings.ShowImages; }
    void SetShowImages(bool show);
    TColor DefaultBackground() const { return m_settings.DefaultBackground; }
    void SetDefaultBackground(TColor colour);
    TViewerBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TViewerBorderStyle style);
    int HistoryLimit() const { return m_history.Limit(); }
    void SetHistoryLimit(int limit);
    QString DefaultFontName() const { return m_settings.DefaultFontName; }
    void SetDefaultFontName(const QString &name);
    QString FixedFontName() const { return m_settings.FixedFontName; }
    void SetFixedFontName(const QString &name);
    int DefaultFontSize() const { return m_settings.DefaultFontSize; }
    void SetDefaultFontSize(int size);
    TColor DefaultFontColor() const { return m_settings.DefaultFontColor; }
    void SetDefaultFontColor(TColor colour);
    TColor DefaultLinkColor() const { return m_settings.DefaultLinkColor; }
    void SetDefaultLinkColor(TColor colour);
    int ImageCacheSize() const { return m_cache.Capacity(); }
    void SetImageCacheSize(int size);
    bool NoSelect() const { return m_noSelect; }
    void SetNoSelect(bool noSelect) { m_noSelect = noSelect; }
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle bars);
    // On 8-bit displays the program asked for a palette of its own; true-colour screens need none.
    bool UseOwnPalette() const { return m_useOwnPalette; }
    void SetUseOwnPalette(bool use) { m_useOwnPalette = use; }

    TLinkHoverEvent OnLinkHover;
    TLinkClickEvent OnLinkClick;
    TImageRequestEvent OnImageRequest;
    TFormSubmitEvent OnFormSubmit;
    TNotifyEvent OnHistoryChange;
    TProcessingEvent OnProcessing;

    // ---- run-time state ----
    QString CurrentFile() const { return m_fileName; }
    TViewerFileType FileType() const { return m_fileType; }
    QString DocumentTitle() const { return m_doc.Title; }
    QString Base() const { return m_doc.Base; }
    QString BaseTarget() const { return m_doc.BaseTarget; }
    QString URL() const { return m_linkUnderMouse.URL; }
    QString Target() const { return m_linkUnderMouse.Target; }
    bool Processing() const { return m_processing; }
    int DocumentHeight() const { return m_layout.Height; }
    int MaxHorzExtent() const { return m_layout.MaxWidth; }
    int Position() const { return m_yOffset; }
    void SetPosition(int y);
    int HorzPosition() const { return m_xOffset; }
    void SetHorzPosition(int x);
    const TViewDocument &Document() const { return m_doc; }
    TPainterHost &Host() { return m_host; }

    // Paints the document at its current scroll position into a painter the size of the paint
    // surface (the thumbnail maker and zvtool use it; the surface itself paints through it too).
    void PaintDocument(QPainter &painter, const QRect &clip);
    // The paint surface's size: the view into the document.
    QSize ViewSize() const;

signals:
    // A load that the viewer started itself (a link click) failed, e.g. "Can't locate file: "
    // and the name; the page shown stays.
    void loadError(const TViewerError &error);

public:
    // Handlers of the paint surface.
    void paintSurface(const QRect &clip);
    void surfaceMouseDown(QMouseEvent *event);
    void surfaceMouseMove(QMouseEvent *event);
    void surfaceMouseUp(QMouseEvent *event);
    void surfaceLeave();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    enum class ScrollMove { Paint, Blit };
    static constexpr int LeftMargin = TPageView::LeftMargin;

    TViewerError loadFile(const QString &name, TViewerFileType type);
    TViewerError loadSource(const std::function<TViewError()> &parse, TViewerFileType type);
    void prepareDocument();
    void finishDocument();
    void setProcessing(bool on);
    void relayoutKeepingPosition();
    void changeFontName(QString &setting, QString &documentName, const QString &name);
    void changeDefaultColour(TColor &setting, TColor &documentColour, TColor colour);
    void layoutDocument();
    void arrangeScrollBars();
    int layoutWidth() const;
    void scrollTo(int y, ScrollMove move = ScrollMove::Paint);
    TSavedPosition savedPosition() const;
    void restorePosition(TSavedPosition at);
    void enterHistory(const QString &shownFile, const QString &shownTitle, TSavedPosition shownAt);
    void linkClick(const TLinkTarget &link);
    void autoScroll();
    QPoint toDocument(QPoint surfacePoint) const;
    TFormControl *formControlAt(QPoint documentPoint) const;
    void formControlClick(TFormControl *control);
    bool requestImage(const QString &source, THostImage &image, int &transparentColor);

    TPageView m_view;
    // Short names for the parts of the view used everywhere below.
    TViewDocument &m_doc = m_view.Doc();
    TAnchorList &m_anchors = m_view.Anchors();
    TPainterHost &m_host = m_view.Host();
    TImageCache &m_cache = m_view.Cache();
    TViewSettings m_settings;
    TViewerHistory m_history;

    TPaintSurface *m_surface = nullptr;
    QScrollBar *m_vbar = nullptr;
    QScrollBar *m_hbar = nullptr;
    QTimer *m_autoScroll = nullptr;

    TViewerBorderStyle m_borderStyle = TViewerBorderStyle::vbFocused;
    bool m_noSelect = false;
    TScrollStyle m_scrollBars = TScrollStyle::ssBoth;
    bool m_useOwnPalette = false;

    QString m_fileName;
    TViewerFileType m_fileType = TViewerFileType::HTML;
    bool m_loaded = false;
    bool m_processing = false;
    TLayoutSize m_layout;
    int m_yOffset = 0;
    int m_xOffset = 0;
    TLinkTarget m_linkUnderMouse;
    int m_selAnchor = -1;
    int m_selStart = -1;
    int m_selEnd = -1;
    bool m_selecting = false;
    QPoint m_lastMouse;
    TFormControl *m_pressedControl = nullptr;
};
