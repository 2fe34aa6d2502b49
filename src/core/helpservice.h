#pragma once

#include <QPoint>
#include <QString>

class QObject;

// Help topics are numbered. Topic N is the page "N.html" of the help folder of the program folder;
// the contents are its "index.html".
//
// Every part of the program shows help through this interface, so that a wizard or a panel in any
// library can offer help without knowing the windows that show it. The program installs an
// implementation that shows the pages in its own viewer; tests install one that records what was
// asked for. Model code never uses it.
class THelpService {
public:
    virtual ~THelpService() = default;

    // The contents page in the help window.
    virtual void ShowContents() = 0;
    // A topic in the help window, which stays open beside the program.
    virtual void ShowTopic(int topic) = 0;
    // A topic in a small pop-up window at a point of the screen; it closes on the next click
    // outside it or on Escape.
    virtual void ShowPopupTopic(int topic, QPoint globalPosition) = 0;
    // Opens the "What's This?" menu at a point of the screen; choosing its one item shows the topic
    // as ShowWhatsThisTopic says.
    virtual void ShowWhatsThis(int topic, QPoint globalPosition) = 0;

    // The implementation in use. Until one is installed a silent one ignores every request.
    static THelpService &current();
    // Does not take ownership; pass nullptr to go back to the silent one.
    static void install(THelpService *service);
};

// The style list's topic explains a whole wizard and is too long for a pop-up.
constexpr int kStylesHelpTopic = 31;

// What choosing "What's This?" does: the style list's topic opens in the help window, every other
// topic as a pop-up at the point where the menu was opened.
void ShowWhatsThisTopic(THelpService &help, int topic, QPoint globalPosition);

// The page of a topic in helpFolder (which ends with a separator, as the program's folders do);
// a topic of 0 or less names the contents page.
QString HelpTopicFile(const QString &helpFolder, int topic);

// Controls carry their topics as properties, so that any widget of any library can be given one
// where it is created and the program answers F1 and right clicks for all of them in one place.
// The help context is the topic of F1; the help tag the topic of "What's This?". 0 means none.
void SetHelpContext(QObject *control, int topic);
void SetHelpTag(QObject *control, int topic);
int HelpContextOf(const QObject *control);
int HelpTagOf(const QObject *control);
