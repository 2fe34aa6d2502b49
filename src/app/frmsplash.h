#pragma once

#include "zorvinreg.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QMediaPlayer;
class QVideoWidget;

// The first window of the program: the start-up picture (or the partner's animation), shown while
// the settings store is opened, then, one second later, the main window. The splash stays alive,
// hidden, for the whole run and owns the program-wide settings accessor.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    using MainWindowFactory = std::function<QWidget *()>;

    static constexpr int Width = 464;
    static constexpr int Height = 283;
    static constexpr int WaitMs = 1000;

    // factory makes the main window; by default the program's TfrmMain.
    explicit TfrmSplash(MainWindowFactory factory = {}, QWidget *parent = nullptr);
    ~TfrmSplash() override;

    // Runs the start-up: looks for the professional editor, opens the settings store, shows the
    // splash with its picture or animation unless the editor was found, then waits one second and
    // shows the main window.
    void start();

    // How the splash learns whether a window of the professional editor is open; by default
    // ProEditorWindowOpen. When one is, the splash is not shown at all.
    void setProEditorCheck(std::function<bool()> check) { m_proEditorCheck = std::move(check); }

    bool splashWaiting() const { return m_splashWaiting; }
    bool animationPlaying() const { return m_animationPlaying; }
    QWidget *mainWindow() const { return m_mainWindow; }
    TZorvinReg &settings() { return m_settings; }

signals:
    // The main window has been created and shown; the splash is hidden.
    void mainWindowShown();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void loadPartnerLogo(const QString &programFolder);
    void startAnimation(const QString &fileName);
    void showPicture();
    void centreOnScreen();
    void animationFinished();
    void startWait();
    void timWaitTimer();

    MainWindowFactory m_factory;
    std::function<bool()> m_proEditorCheck;
    TZorvinReg m_settings;
    QLabel *m_imgSplash = nullptr;
    QLabel *m_imgPartner = nullptr;
    QLabel *m_lblName = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblAware = nullptr;
    QVideoWidget *m_aniSplash = nullptr;
    QMediaPlayer *m_player = nullptr;
    QTimer m_timWaitTimer;
    // Ends an animation that never reports its end, so a broken media file cannot stall start-up.
    QTimer m_animationGuard;
    bool m_splashWaiting = false;
    bool m_animationPlaying = false;
    QPointer<QWidget> m_mainWindow;
};
