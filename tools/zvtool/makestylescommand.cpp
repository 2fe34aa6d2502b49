#include "colourtext.h"
#include "command.h"
#include "stylesfile.h"
#include "textcodec.h"

#include <QFile>

// zvtool make-styles DESCRIPTION OUTPUT
//
// Writes a styles file from a readable description, so that the shipped "Styles.data" is made by
// the program's own writer. The description (UTF-8) holds one section per style, in list order:
//
//   [Starry Night]
//   BackImage = backgrnd\stars.gif
//   BackColour = #000040        (HTML order #RRGGBB, or a colour text such as clSilver)
//   DocColour = #FFFFFF
//   StandardColour = #FFFF00
//   ActiveColour = #FF0000
//   VisitedColour = #C0C0C0
//
// Keys left out keep the colours of a new style; lines starting with "#" or ";" are comments.

namespace {

std::optional<TColour> colourValue(const QByteArray &text)
{
    if (text.size() == 7 && text.startsWith('#')) {
        bool ok = false;
        const uint rgb = text.mid(1).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return TColour((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
    }
    return ColourFromText(text);
}

int runMakeStyles(const QStringList &args)
{
    if (args.size() != 2)
        return zvFail(QStringLiteral("usage: zvtool make-styles DESCRIPTION OUTPUT"));
    QFile file(args[0]);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return zvFail(QStringLiteral("%1: %2").arg(args[0], file.errorString()));

    TStyleList styles;
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        const auto fail = [&](const QString &why) {
            return zvFail(QStringLiteral("%1:%2: %3").arg(args[0]).arg(lineNumber).arg(why));
        };
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            styles.emplace_back();
            styles.back().StyleName = EncodePageText(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || styles.empty())
            return fail(QStringLiteral("expected a [style name] or a key = value line"));
        const QString key = line.left(equals).trimmed();
        const QByteArray value = EncodePageText(line.mid(equals + 1).trimmed());
        TStyleChunk &style = styles.back();
        if (key == QLatin1String("BackImage")) {
            style.BackImage = value;
            continue;
        }
        TColour *target = key == QLatin1String("BackColour")       ? &style.BackColour
                          : key == QLatin1String("DocColour")      ? &style.DocColour
                          : key == QLatin1String("StandardColour") ? &style.StandardColour
                          : key == QLatin1String("ActiveColour")   ? &style.ActiveColour
                          : key == QLatin1String("VisitedColour")  ? &style.VisitedColour
                                                                   : nullptr;
        if (!target)
            return fail(QStringLiteral("unknown key %1").arg(key));
        const std::optional<TColour> colour = colourValue(value);
        if (!colour)
            return fail(QStringLiteral("%1 is not a colour").arg(QString::fromLatin1(value)));
        *target = *colour;
    }

    QString error;
    if (!WriteStylesToFile(args[1], styles, &error))
        return zvFail(error);
    return 0;
}

const ZvCommand command{"make-styles", "write a styles file from a style description", false, runMakeStyles};

} // namespace
