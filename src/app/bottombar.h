#pragma once

#include <QFrame>

class QWidget;
class TArtPicture;
class TKeyButton;

// The bar along the bottom of the main window: the enlarge-preview button on the left, the
// logo in the middle and the exit button on the right. The two buttons show a pressed picture
// while the left mouse button is held and report a click when it is released over them.
class TBottomBar : public QFrame {
    Q_OBJECT
public:
    enum class TViewMode { Inactive, Normal, Enlarged };

    explicit TBottomBar(QWidget *parent = nullptr);

    TViewMode viewMode() const { return m_viewMode; }
    void setViewMode(TViewMode mode);
    // Keeps the button group centred when the window changes size.
    void centreLower();

    static constexpr int kHeight = 49;

signals:
    void viewClicked();
    void exitClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void imgViewMouseDown(Qt::MouseButton button, QPoint position);
    void imgViewMouseUp(Qt::MouseButton button, QPoint position);
    void imgExitMouseDown(Qt::MouseButton button, QPoint position);
    void imgExitMouseUp(Qt::MouseButton button, QPoint position);
    QString viewPicture(bool pressed) const;

    QWidget *m_pnlLower = nullptr;
    TArtPicture *m_imgView = nullptr;
    TArtPicture *m_imgLogo = nullptr;
    TArtPicture *m_imgExit = nullptr;
    TKeyButton *m_btnView = nullptr;
    TKeyButton *m_btnExit = nullptr;
    TViewMode m_viewMode = TViewMode::Inactive;
};
