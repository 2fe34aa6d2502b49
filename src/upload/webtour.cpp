#include "webtour.h"

#include "helpers.h"
#include "stringtable.h"

const std::array<TWebSight, WebSightCount> &WebSights()
{
    static const std::array<TWebSight, WebSightCount> sights{{
        {"imgPelloryPage", "Web_Pellory", " Pellory Software", "http://www.pellory.com/"},
        {"imgEvendPage", "Web_Evend", " Evend", "https://www.evend.com/"},
        {"imgTucowsPage", "Web_Tucows", " Tucows", "https://www.tucows.com/"},
        {"imgZDNetPage", "Web_ZDNet", " ZDNet", "https://www.zdnet.com/"},
        // Sun's pages have long since moved to the company that bought it.
        {"imgSunPage", "Web_Sun", " Sun Microsystems", "https://www.oracle.com/"},
        {"imgTechTalkPage", "Web_TechTalk", " TechTalk", "https://www.techtalk.com/"},
        {"imgLookSmartPage", "Web_LookSmart", " LookSmart", "https://www.looksmart.com/"},
        {"imgYourPage", "Web_Your", "", ""},
    }};
    return sights;
}

int WebIndexInRange(int webIndex, bool uploaded)
{
    if (webIndex < 0)
        return uploaded ? YourPageIndex : YourPageIndex - 1;
    if (webIndex == YourPageIndex && !uploaded)
        return 0;
    if (webIndex > YourPageIndex)
        return 0;
    return webIndex;
}

QString MagnifierText(int webIndex)
{
    if (webIndex == YourPageIndex)
        return LoadStr(5078);
    if (webIndex < 0 || webIndex > YourPageIndex)
        return QString();
    return LoadStr(5077) + QLatin1String(WebSights()[size_t(webIndex)].party);
}

QString YourPageAddress(const QString &serverURL, const QString &docFileName)
{
    QString address = StripExtension(URLJoin(serverURL, FileNamePart(docFileName))) + QStringLiteral(".html");
    address.remove(QLatin1Char(' '));
    return address;
}

QByteArray RedirectPage(const QString &address)
{
    // The address stands inside a quoted attribute: a quote or an angle bracket in it would end the
    // attribute or the tag, so those are written the way web addresses escape them.
    QByteArray url = address.toUtf8();
    url.replace('"', "%22").replace('<', "%3C").replace('>', "%3E");
    QByteArray page;
    page += "<html>\r\n";
    page += "<head><meta http-equiv=\"refresh\" content=\"0; URL=" + url + "\">\r\n";
    page += "<title>Preview</title>\r\n";
    page += "</head>\r\n";
    page += "<BODY>\r\n";
    page += "</body>\r\n";
    page += "</html>\r\n";
    return page;
}
