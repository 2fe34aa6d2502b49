#include "startup.h"

#include "folders.h"
#include "settings.h"

#include <QGuiApplication>
#include <QScreen>

bool ApplyStartupSettings()
{
    const QString general = QStringLiteral("General");
    WriteSetting(general, QStringLiteral("Path"), ProgramFileName());
    if (ReadSetting(general, QStringLiteral("PlaySounds")) == QLatin1String("No"))
        return false;
    WriteSetting(general, QStringLiteral("PlaySounds"), QStringLiteral("Yes"));
    return true;
}

bool LowColourScreen()
{
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen && screen->depth() <= 8;
}

bool IsProEditorWindow(const QString &className, const QString &title)
{
    if (!className.contains(QLatin1String("TfrmMain")))
        return false;
    const QString trimmed = title.trimmed();
    return trimmed.startsWith(QLatin1String("Zorvin Professional")) ||
           trimmed.startsWith(QLatin1String("Zorvin4"));
}

bool ProEditorWindowOpen()
{
    return false;
}
