#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The web of the send stage: a magnifier over the web shows, one at a time, the logos of the
// program's maker and of six parties that helped pages onto the Internet, and after a successful
// upload the user's own page. Clicking what the magnifier shows opens its web address. This is
// the part of it that needs no widgets.

struct TWebSight {
    const char *objectName; // the picture control that shows it
    const char *bitmap;     // the picture drawn into it
    const char *party;      // follows the "Click the logo to visit " text; empty for the user's page
    const char *address;    // the party's home page; empty for the user's page
};

// The sights in the order the web turns through them; the last one is the user's page.
inline constexpr int WebSightCount = 8;
inline constexpr int YourPageIndex = WebSightCount - 1;
const std::array<TWebSight, WebSightCount> &WebSights();

// The index a turn of the web lands on, brought into range: below 0 wraps to the last sight
// (the user's page only once an upload succeeded), past the end wraps to the first, and the
// user's page is skipped while nothing has been uploaded.
int WebIndexInRange(int webIndex, bool uploaded);

// The text under the magnifier for a sight that is in range.
QString MagnifierText(int webIndex);

// Where the user's uploaded page can be seen: the server's web address joined with the page's
// name (the document's file name with ".html"), without any spaces, as the upload sent it.
QString YourPageAddress(const QString &serverURL, const QString &docFileName);

// A small page that sends the browser on to address at once. The browser is handed this local
// file rather than the address, so any browser that opens files opens web addresses too.
QByteArray RedirectPage(const QString &address);
