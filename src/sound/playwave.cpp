#include "playwave.h"

#include "mediabackend.h"
#include "settings.h"
#include "testmode.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Effects are kept once loaded: sounds repeat often (every click, every shred) and loading a wave
// each time would delay them. They belong to the application object and go with it.
QSoundEffect *effectFor(const QString &path)
{
    static QHash<QString, QSoundEffect *> effects;
    QSoundEffect *&effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl(QStringLiteral("qrc") + path));
        QObject::connect(effect, &QObject::destroyed, [path] { effects.remove(path); });
    }
    return effect;
}

} // namespace

QString WaveResourcePath(const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QString path = QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
    return QFile::exists(path) ? path : QString();
}

bool PlayWave(const QString &name)
{
    if (ReadSetting(QStringLiteral("General"), QStringLiteral("PlaySounds")) != QLatin1String("Yes"))
        return false;
    const QString path = WaveResourcePath(name);
    if (path.isEmpty() || !QCoreApplication::instance())
        return false;
    if (IsTestMode())
        return true;
    PrepareMediaBackend();
    // Without an output device a sound effect could only fail; stay silent instead.
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    QSoundEffect *effect = effectFor(path);
    effect->stop();
    effect->play(); // starts as soon as the wave is loaded, without blocking the caller
    return true;
}
