#include "preformattedline.h"

void TPreformattedLine::AddText(QStringView text)
{
    constexpr int kTabStop = 8;
    qsizetype from = 0;
    for (qsizetype tab = text.indexOf(QLatin1Char('\t')); tab >= 0;
         tab = text.indexOf(QLatin1Char('\t'), from)) {
        AddRawText(text.mid(from, tab - from));
        const int column = int(Text().size());
        AddRawText(QStringView(u"        ").left(kTabStop - column % kTabStop));
        from = tab + 1;
    }
    AddRawText(text.mid(from));
}
