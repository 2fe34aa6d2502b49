#pragma once

#include <QString>
#include <QStringList>

class TPageViewer;

// Settings shared by the help window and the pop-up: topic pages are written for a sans-serif
// font and a light background, whatever the viewer's defaults are for web pages.
void PrepareHelpViewer(TPageViewer &viewer);

// A stand-in page for a topic whose file is missing, so that a damaged installation says what is
// wrong instead of showing an empty window.
QStringList MissingTopicPage(const QString &file);

// Web and mail addresses in a topic go to the user's browser or mail program, not to the viewer.
bool OpenOutsideLink(const QString &url);
