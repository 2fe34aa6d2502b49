#include "helptopics.h"

#include "helpservice.h"

#include <QRegularExpression>
#include <QWidget>

#include <algorithm>

namespace {

struct THelpAssignment {
    const char *controls; // a pattern matching whole object names
    int topic;
};

constexpr THelpAssignment kHelpContexts[] = {
    {"ctlHTML", 21},      {"lstStyles", 31},      {"memHTML", 32},
    {"lstFiles", 41},     {"cmbHeadSize", 44},    {"txtHeading", 45},
    {"txtLineWidth", 47}, {"cmbLineThick", 48},   {"txtParagraph", 50},
    {"txtLinkPre", 52},   {"txtLinkURL", 53},     {"txtLinkLink", 54},
    {"txtLinkPost", 55},  {"txtImgFileName", 56}, {"txtImgHeight|txtImgWidth", 57},
    {"txtImgDesc", 59},   {"txtEmailPre", 61},    {"txtEmail", 62},
    {"txtEmailLink", 63}, {"txtEmailPost", 64},
};

// A panel's tag also answers for its description labels and title picture, which have no tag of
// their own (the help event filter looks up through the parents). The toolbox pictures, the
// blocks on the page, the gallery list and the buttons of the bottom bar ask for their topics in
// their own mouse handlers.
constexpr THelpAssignment kHelpTags[] = {
    {"pnlPara", 12},
    {"pnlLink", 13},
    {"pnlImage", 14},
    {"pnlHeading", 15},
    {"pnlEmail", 16},
    {"pnlLine", 17},
    {"imgBackground", 11},
    {"imgShredderBack|imgShredder", 30},
    {"lstStyles|btnEditStyle", 31},
    {"imgUpload", 40},
    {"lstFiles", 41},
    {"lblHeadSize", 44},
    {"lblHeadHeading", 45},
    {"lblLineWidth", 47},
    {"lblLineThick", 48},
    {"lblParaPara", 50},
    {"lblLinkPre", 52},
    {"lblLinkURL|lblImgLink|lblImgURL", 53},
    {"lblLinkLink", 54},
    {"lblLinkPost", 55},
    {"lblImgFilename|spdImgFile", 56},
    {"lblImgHeight|lblImgWidth", 57},
    {"lblImgAlt", 59},
    {"txtEmailPre|lblEmailPre", 61},
    {"txtEmail|lblEmailAddr", 62},
    {"txtEmailLink|lblEmailLink", 63},
    {"txtEmailPost|lblEmailPost", 64},
    {"Panel2|imgPreView|imgFrontPicture", 71},
    // The arrows and pictures on the web answer for it, so the keyboard can ask about it too.
    {"imgWebBack|pnlWeb", 75},
    {"spd[A-Za-z]+Left", 92},
    {"spd[A-Za-z]+Center", 94},
    {"spd[A-Za-z]+Right", 93},
    {"spd[A-Za-z]+Return", 95},
    {"pnlTitle", 103},
    {"chkLogo", 104},
};

template <size_t N>
QStringList assign(QWidget *window, const THelpAssignment (&table)[N], void (*set)(QObject *, int))
{
    QStringList missing;
    for (const THelpAssignment &entry : table) {
        const QString pattern = QLatin1String(entry.controls);
        const QRegularExpression names(QRegularExpression::anchoredPattern(pattern));
        const QList<QWidget *> controls = window->findChildren<QWidget *>(names);
        // Each alternative of a pattern must name at least one control.
        for (const QString &alternative : pattern.split(QLatin1Char('|'))) {
            const QRegularExpression one(QRegularExpression::anchoredPattern(alternative));
            if (std::none_of(controls.begin(), controls.end(), [&](const QWidget *control) {
                    return one.match(control->objectName()).hasMatch();
                }))
                missing << alternative;
        }
        for (QWidget *control : controls)
            set(control, entry.topic);
    }
    return missing;
}

} // namespace

QStringList AssignHelpContext(QWidget *window)
{
    return assign(window, kHelpContexts, &SetHelpContext);
}

QStringList AssignHelpTags(QWidget *window)
{
    return assign(window, kHelpTags, &SetHelpTag);
}
