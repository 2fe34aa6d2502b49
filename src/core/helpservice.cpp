#include "helpservice.h"

#include <QObject>
#include <QVariant>

namespace {

class TSilentHelpService final : public THelpService {
public:
    void ShowContents() override {}
    void ShowTopic(int) override {}
    void ShowPopupTopic(int, QPoint) override {}
    void ShowWhatsThis(int, QPoint) override {}
};

TSilentHelpService g_silentHelp;
THelpService *g_currentHelp = nullptr;

constexpr const char *kHelpContextProperty = "zvHelpContext";
constexpr const char *kHelpTagProperty = "zvHelpTag";

int intProperty(const QObject *control, const char *name)
{
    return control ? control->property(name).toInt() : 0;
}

} // namespace

THelpService &THelpService::current()
{
    return g_currentHelp ? *g_currentHelp : static_cast<THelpService &>(g_silentHelp);
}

void THelpService::install(THelpService *service)
{
    g_currentHelp = service;
}

void ShowWhatsThisTopic(THelpService &help, int topic, QPoint globalPosition)
{
    if (topic == kStylesHelpTopic)
        help.ShowTopic(topic);
    else
        help.ShowPopupTopic(topic, globalPosition);
}

QString HelpTopicFile(const QString &helpFolder, int topic)
{
    return helpFolder +
           (topic > 0 ? QString::number(topic) + QStringLiteral(".html") : QStringLiteral("index.html"));
}

void SetHelpContext(QObject *control, int topic)
{
    if (control)
        control->setProperty(kHelpContextProperty, topic);
}

void SetHelpTag(QObject *control, int topic)
{
    if (control)
        control->setProperty(kHelpTagProperty, topic);
}

int HelpContextOf(const QObject *control)
{
    return intProperty(control, kHelpContextProperty);
}

int HelpTagOf(const QObject *control)
{
    return intProperty(control, kHelpTagProperty);
}
