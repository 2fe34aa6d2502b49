#include "frmsplash.h"

#include "folders.h"
#include "frmmain.h"
#include "helpers.h"
#include "mediabackend.h"
#include "resourcebitmap.h"
#include "startup.h"
#include "testmode.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMediaPlayer>
#include <QPainter>
#include <QScreen>
#include <QVideoWidget>

namespace {

constexpr QRect PictureArea(31, 31, 200, 200);
constexpr QRect PartnerArea(275, 29, 168, 84);
// The longest an animation may take to report that it started or ended, beyond its own length.
constexpr int AnimationSlackMs = 5000;

} // namespace

TfrmSplash::TfrmSplash(MainWindowFactory factory, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_factory(std::move(factory))
{
    if (!m_factory)
        m_factory = [] { return new TfrmMain; };
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Zorvin Express"));
    setFixedSize(Width, Height);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    buildControls();

    // The application takes its icon from the splash, its first window.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        const QPixmap pixmap = ResourcePixmap(QStringLiteral("MainIcon"), QSize(size, size), 1.0);
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    if (!icon.isNull()) {
        setWindowIcon(icon);
        QApplication::setWindowIcon(icon);
    }

    m_timWaitTimer.setObjectName(QStringLiteral("timWaitTimer"));
    m_timWaitTimer.setSingleShot(true);
    m_timWaitTimer.setInterval(TimerInterval(WaitMs));
    connect(&m_timWaitTimer, &QTimer::timeout, this, &TfrmSplash::timWaitTimer);
    m_animationGuard.setSingleShot(true);
    connect(&m_animationGuard, &QTimer::timeout, this, &TfrmSplash::animationFinished);
}

TfrmSplash::~TfrmSplash()
{
    delete m_mainWindow.data();
}

void TfrmSplash::buildControls()
{
    m_imgSplash = new QLabel(this);
    m_imgSplash->setObjectName(QStringLiteral("imgSplash"));
    m_imgSplash->setGeometry(PictureArea);
    m_imgSplash->hide();

    m_imgPartner = new QLabel(this);
    m_imgPartner->setObjectName(QStringLiteral("imgPartner"));
    m_imgPartner->setGeometry(PartnerArea);
    m_imgPartner->setAlignment(Qt::AlignCenter);
    m_imgPartner->hide();

    QFont font(QStringLiteral("Arial"));
    auto makeLabel = [&](const char *name, const QString &text, int y, int pointSize, bool bold) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        QFont f = font;
        f.setPointSize(pointSize);
        f.setBold(bold);
        label->setFont(f);
        label->setGeometry(248, y, Width - 248 - 12, 30);
        return label;
    };
    m_lblName = makeLabel("lblName", QStringLiteral("Zorvin Express"), 140, 18, true);
    m_lblVersion = makeLabel("lblVersion", QStringLiteral("Version 1.11"), 178, 10, false);
    m_lblAware = makeLabel("lblAware", QStringLiteral("Zorvin Professional 4 Aware"), 204, 10, false);
}

void TfrmSplash::start()
{
    const bool editorOpen = m_proEditorCheck ? m_proEditorCheck() : ProEditorWindowOpen();
    m_settings.OpenSubKey(QString(), TKeyAccess::CreateMissing);
    if (!editorOpen) {
        const QString folder = ProgramFolder();
        const QString animation = PathJoin(folder, QStringLiteral("splash.avi"));
        const bool hasAnimation = QFileInfo::exists(NativePath(animation));
        loadPartnerLogo(folder);
        if (!hasAnimation)
            showPicture();
        centreOnScreen();
        // The splash is shown before the animation starts: a player that fails at once, even
        // one that pumps events while it opens the file, then finds the splash up and can only
        // lead to the wait, never show the splash again over the main window.
        show();
        if (hasAnimation) {
            startAnimation(animation);
            return; // the wait starts when the animation ends
        }
    }
    startWait();
}

void TfrmSplash::loadPartnerLogo(const QString &programFolder)
{
    const QPixmap logo(NativePath(PathJoin(programFolder, QStringLiteral("splash.bmp"))));
    if (logo.isNull())
        return; // no partner logo: not an error
    const QSize fit = logo.size().boundedTo(PartnerArea.size()) == logo.size()
                          ? logo.size()
                          : logo.size().scaled(PartnerArea.size(), Qt::KeepAspectRatio);
    m_imgPartner->setPixmap(logo.scaled(fit, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_imgPartner->show();
}

void TfrmSplash::startAnimation(const QString &fileName)
{
    PrepareMediaBackend();
    m_aniSplash = new QVideoWidget(this);
    m_aniSplash->setObjectName(QStringLiteral("aniSplash"));
    m_aniSplash->setGeometry(PictureArea);
    m_player = new QMediaPlayer(this);
    m_player->setVideoOutput(m_aniSplash);
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
            animationFinished();
    });
    // A file the platform cannot play is no error: the wait simply begins.
    connect(m_player, &QMediaPlayer::errorOccurred, this, [this] { animationFinished(); });
    connect(m_player, &QMediaPlayer::durationChanged, this, [this](qint64 duration) {
        if (duration > 0 && m_animationPlaying)
            m_animationGuard.start(int(duration) + AnimationSlackMs);
    });
    m_animationPlaying = true;
    m_animationGuard.start(AnimationSlackMs);
    m_player->setSource(QUrl::fromLocalFile(NativePath(fileName)));
    m_aniSplash->show();
    m_player->play();
}

void TfrmSplash::showPicture()
{
    const QPixmap picture = ResourcePixmap(QStringLiteral("Splash"), PictureArea.size(), devicePixelRatioF());
    m_imgSplash->setPixmap(picture);
    m_imgSplash->show();
}

void TfrmSplash::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(Width / 2, Height / 2));
}

void TfrmSplash::animationFinished()
{
    if (!m_animationPlaying)
        return;
    m_animationPlaying = false;
    m_animationGuard.stop();
    if (m_player)
        m_player->pause(); // the last frame stays while the splash waits
    startWait();
}

void TfrmSplash::startWait()
{
    m_splashWaiting = true;
    m_timWaitTimer.start();
}

void TfrmSplash::timWaitTimer()
{
    m_timWaitTimer.stop();
    m_splashWaiting = false;
    if (m_player)
        m_player->stop();
    m_mainWindow = m_factory();
    if (m_mainWindow)
        m_mainWindow->show();
    hide();
    emit mainWindowShown();
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawResourceBitmap(painter, QStringLiteral("SPLASH_BACK"), 0, 0);
    // A raised bevel over the whole window: light on the top and left, shadow on the bottom and right.
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::white);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}
