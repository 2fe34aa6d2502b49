#include "frmabout.h"

#include "resourcebitmap.h"
#include "stringtable.h"
#include "tpageviewer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct TLibraryNotice {
    const char *name;
    const char *use;
    const char *licence;
};

// Everything the installed program loads or starts, with the licence it comes under.
constexpr TLibraryNotice kLibraries[] = {
    {"Qt 6", "windows, drawing, pictures, sounds, settings", "GNU LGPL 3"},
    {"libcurl", "sending pages by FTP, FTPS and SFTP", "curl licence (MIT style)"},
    {"GraphicsMagick", "reading PCX, PCD and EPS pictures", "MIT style licence"},
    {"Ghostscript", "EPS pictures (run as a separate program)", "GNU AGPL 3"},
    {"libjpeg-turbo, libpng, libtiff, zlib", "picture files, through Qt", "BSD style licences"},
    {"Liberation fonts", "text that measures the same everywhere", "SIL Open Font License 1.1"},
};

} // namespace

TfrmAbout::TfrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(LoadStr(5000));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont arial = font();
    arial.setFamily(LoadStr(32));
    setFont(arial);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(6);

    m_pages = new QStackedWidget(this);
    auto *imgAbout = new QLabel(m_pages);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    imgAbout->setAlignment(Qt::AlignCenter);
    imgAbout->setPixmap(ResourcePixmap(QStringLiteral("About"), QSize(), devicePixelRatioF()));
    m_pages->addWidget(imgAbout);
    m_ctlLibraries = new TPageViewer(m_pages);
    m_ctlLibraries->setObjectName(QStringLiteral("ctlLibraries"));
    m_ctlLibraries->SetDefaultFontName(LoadStr(32));
    m_ctlLibraries->SetDefaultFontSize(8);
    m_ctlLibraries->SetScrollBars(TScrollStyle::ssVertical);
    m_ctlLibraries->LoadLines(LibrariesPage());
    m_pages->addWidget(m_ctlLibraries);
    m_pages->setFixedHeight(ResourceBitmapSize(QStringLiteral("About")).height());
    layout->addWidget(m_pages);

    auto *lblVersion = new QLabel(QStringLiteral("Version 1.11"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblVersion);

    auto *buttons = new QHBoxLayout;
    m_btnLibraries = new QPushButton(QStringLiteral("&Libraries..."), this);
    m_btnLibraries->setObjectName(QStringLiteral("btnLibraries"));
    m_btnLibraries->setAutoDefault(false);
    auto *btnOK = new QPushButton(LoadStr(6), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    buttons->addWidget(m_btnLibraries);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    layout->addLayout(buttons);

    connect(m_btnLibraries, &QPushButton::clicked, this, &TfrmAbout::btnLibrariesClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kWidth, kHeight);
}

QStringList TfrmAbout::LibrariesPage()
{
    QStringList lines{
        QStringLiteral("<HTML><BODY BGCOLOR=\"#FFFFFF\">"),
        QStringLiteral("<P>Zorvin Express is built on these libraries. Thanks to their authors!</P>"),
        QStringLiteral("<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=0 WIDTH=\"100%\">"),
        QStringLiteral("<TR><TH>Library</TH><TH>Used for</TH><TH>Licence</TH></TR>")};
    for (const TLibraryNotice &library : kLibraries)
        lines << QStringLiteral("<TR><TD>%1</TD><TD>%2</TD><TD>%3</TD></TR>")
                     .arg(QLatin1String(library.name), QLatin1String(library.use),
                          QLatin1String(library.licence));
    lines << QStringLiteral("</TABLE></BODY></HTML>");
    return lines;
}

bool TfrmAbout::ShowingLibraries() const
{
    return m_pages->currentWidget() == m_ctlLibraries;
}

void TfrmAbout::btnLibrariesClick()
{
    const bool toLibraries = !ShowingLibraries();
    m_pages->setCurrentWidget(toLibraries ? static_cast<QWidget *>(m_ctlLibraries) : m_pages->widget(0));
    m_btnLibraries->setText(toLibraries ? QStringLiteral("&Picture") : QStringLiteral("&Libraries..."));
}
