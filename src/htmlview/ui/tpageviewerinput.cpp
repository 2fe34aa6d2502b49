// The viewer's mouse, keyboard, link and form handling (the class is declared in tpageviewer.h).
#include "formcontrol.h"
#include "pageform.h"
#include "tpageviewer.h"
#include "tpaintsurface.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

QPoint TPageViewer::toDocument(QPoint surfacePoint) const
{
    return {surfacePoint.x() - LeftMargin + m_xOffset, surfacePoint.y() + m_yOffset};
}

// ---------------------------------------------------------------- mouse

void TPageViewer::surfaceMouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = toDocument(event->position().toPoint());
    m_lastMouse = event->position().toPoint();
    m_pressedControl = formControlAt(p);
    if (m_pressedControl)
        return;
    m_selecting = true;
    m_selAnchor = m_doc.FindCursor(p.x(), p.y());
    if (m_selStart != m_selEnd)
        m_surface->update();
    m_selStart = m_selEnd = m_selAnchor;
}

void TPageViewer::surfaceMouseMove(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    m_lastMouse = at;
    const QPoint p = toDocument(at);
    const TLinkHit hit = m_doc.GetURL(p.x(), p.y());
    const TLinkTarget link = hit.Found ? hit.Link : TLinkTarget{};
    m_surface->setCursor(hit.Found ? Qt::PointingHandCursor : cursor().shape());
    if (link.URL != m_linkUnderMouse.URL) {
        m_linkUnderMouse = link;
        if (OnLinkHover)
            OnLinkHover(this, link.URL);
    }
    if (!(event->buttons() & Qt::LeftButton) || !m_selecting || m_noSelect || m_selAnchor < 0)
        return;
    if (at.y() < 0 || at.y() >= m_surface->height()) {
        if (!m_autoScroll->isActive())
            m_autoScroll->start();
        return;
    }
    m_autoScroll->stop();
    const int pos = m_doc.FindCursor(p.x(), p.y());
    if (pos >= 0)
        SetSelection(m_selAnchor, pos);
}

void TPageViewer::autoScroll()
{
    if (!m_selecting || !(QApplication::mouseButtons() & Qt::LeftButton)) {
        m_autoScroll->stop();
        return;
    }
    const int step = m_vbar->singleStep();
    if (m_lastMouse.y() < 0)
        scrollTo(m_yOffset - step);
    else if (m_lastMouse.y() >= m_surface->height())
        scrollTo(m_yOffset + step);
    else
        return m_autoScroll->stop();
    // Extend the selection to the edge the pointer left by.
    const int edgeY = m_lastMouse.y() < 0 ? 0 : m_surface->height() - 1;
    const QPoint p = toDocument({m_lastMouse.x(), edgeY});
    const int pos = m_doc.FindCursor(p.x(), p.y());
    if (pos >= 0 && m_selAnchor >= 0)
        SetSelection(m_selAnchor, pos);
}

void TPageViewer::surfaceMouseUp(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_autoScroll->stop();
    const QPoint p = toDocument(event->position().toPoint());
    if (m_pressedControl) {
        TFormControl *control = m_pressedControl;
        m_pressedControl = nullptr;
        if (control == formControlAt(p))
            formControlClick(control);
        return;
    }
    const bool wasSelecting = m_selecting;
    m_selecting = false;
    if (!wasSelecting || qAbs(m_selEnd - m_selStart) > 1)
        return;
    const TLinkHit hit = m_doc.GetURL(p.x(), p.y());
    if (hit.Found) {
        m_linkUnderMouse = hit.Link;
        linkClick(hit.Link);
    }
}

void TPageViewer::surfaceLeave()
{
    if (!m_linkUnderMouse.isEmpty() && !m_selecting) {
        m_linkUnderMouse.Clear();
        if (OnLinkHover)
            OnLinkHover(this, QString());
    }
}

void TPageViewer::wheelEvent(QWheelEvent *event)
{
    const int lines = event->angleDelta().y() / 120 * 3;
    if (lines != 0)
        scrollTo(m_yOffset - lines * m_vbar->singleStep());
    event->accept();
}

// ---------------------------------------------------------------- links

void TPageViewer::linkClick(const TLinkTarget &link)
{
    if (OnLinkClick) {
        bool handled = false;
        OnLinkClick(this, link.URL, handled);
        if (handled)
            return;
    }
    const QString url = link.URL.trimmed();
    const QString shownFile = m_fileName;
    const QString shownTitle = m_doc.Title;
    if (url.startsWith(QLatin1Char('#'))) {
        const TSavedPosition from = savedPosition();
        if (ScrollToAnchor(url.mid(1)) && !m_fileName.isEmpty())
            enterHistory(shownFile, shownTitle, from);
        return;
    }
    const qsizetype hash = url.indexOf(QLatin1Char('#'));
    const QString name = hash < 0 ? url : url.left(hash);
    const QString destination = hash < 0 ? QString() : url.mid(hash + 1);
    // Web and mail addresses are for the caller's OnLinkClick; the viewer shows only local files.
    if (name.contains(QLatin1String("://")) && !name.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return;
    if (name.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return;
    const QString file = ExpandLinkFilename(name);
    const QString upper = file.toUpper();
    if (upper.endsWith(QLatin1String(".HTM")) || upper.endsWith(QLatin1String(".HTML"))) {
        if (!m_fileName.isEmpty() && file == m_fileName) {
            const TSavedPosition from = savedPosition();
            if (ScrollToAnchor(destination))
                enterHistory(shownFile, shownTitle, from);
            return;
        }
        const TViewerError error =
            LoadFromFile(destination.isEmpty() ? file : file + QLatin1Char('#') + destination);
        if (!error.ok())
            emit loadError(error);
        return;
    }
    for (const char *ext : {".BMP", ".GIF", ".JPG", ".JPEG", ".PNG"}) {
        if (upper.endsWith(QLatin1String(ext))) {
            const TViewerError error = LoadImageFile(file);
            if (!error.ok())
                emit loadError(error);
            return;
        }
    }
}

// ---------------------------------------------------------------- forms

TFormControl *TPageViewer::formControlAt(QPoint documentPoint) const
{
    for (const auto &form : m_doc.Forms) {
        for (TFormControl *control : form->Controls) {
            if (control->Kind != TFormControlKind::Hidden &&
                QRect(control->X, control->Y, control->Width, control->Height).contains(documentPoint))
                return control;
        }
    }
    return nullptr;
}

void TPageViewer::formControlClick(TFormControl *control)
{
    switch (control->Kind) {
    case TFormControlKind::CheckBox:
        control->CurrentChecked = !control->CurrentChecked;
        break;
    case TFormControlKind::Radio:
        // One radio button of a name is on at a time within its form.
        if (control->Form) {
            for (TFormControl *other : control->Form->Controls) {
                if (other->Kind == TFormControlKind::Radio && other->Name == control->Name)
                    other->CurrentChecked = false;
            }
        }
        control->CurrentChecked = true;
        break;
    case TFormControlKind::Button:
        if (control->Form && OnFormSubmit) {
            // Handed over once the click itself has finished, as a posted message would be.
            const QString action = control->Form->Action;
            const QString method = control->Form->Method;
            const QStringList results = control->Form->Results();
            QTimer::singleShot(0, this, [this, action, method, results] {
                if (OnFormSubmit)
                    OnFormSubmit(this, action, method, results);
            });
        }
        break;
    default:
        break;
    }
    m_surface->update();
}

// ---------------------------------------------------------------- selection

void TPageViewer::SetSelection(int start, int end)
{
    if (start > end)
        std::swap(start, end);
    if (start == m_selStart && end == m_selEnd)
        return;
    m_selStart = start;
    m_selEnd = end;
    m_surface->update();
}

void TPageViewer::SelectAll()
{
    if (m_loaded && !m_noSelect)
        SetSelection(0, m_doc.TextLength());
}

QString TPageViewer::SelectedText() const
{
    return m_doc.SelectedText(m_selStart, m_selEnd);
}

void TPageViewer::CopyToClipboard() const
{
    const QString text = SelectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

// ---------------------------------------------------------------- keyboard

void TPageViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    const int small = m_vbar->singleStep();
    const int large = qMax(small, m_surface->height() - 16);
    switch (event->key()) {
    case Qt::Key_PageUp:
        scrollTo(m_yOffset - large);
        break;
    case Qt::Key_PageDown:
        scrollTo(m_yOffset + large);
        break;
    case Qt::Key_Up:
        scrollTo(m_yOffset - small, ScrollMove::Blit);
        break;
    case Qt::Key_Down:
        scrollTo(m_yOffset + small, ScrollMove::Blit);
        break;
    case Qt::Key_Home:
        scrollTo(0);
        break;
    case Qt::Key_End:
        scrollTo(m_layout.Height);
        break;
    case Qt::Key_Left:
        SetHorzPosition(m_xOffset - m_hbar->singleStep());
        break;
    case Qt::Key_Right:
        SetHorzPosition(m_xOffset + m_hbar->singleStep());
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool TPageViewer::event(QEvent *event)
{
    // The viewer wants the arrow keys and its copy key even inside a window with shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}
