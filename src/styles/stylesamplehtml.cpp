#include "stylesamplehtml.h"

#include "colourtext.h"
#include "stringtable.h"

namespace {

QByteArray attribute(const char *name, const QByteArray &value)
{
    return QByteArray(" ") + name + "=\"" + value + '"';
}

// One coloured word of the sample. The first line opens with an extra line break so that the
// sample does not stick to the top of the small viewer.
QByteArray colourLine(const char *start, TColour colour, int wordId)
{
    return QByteArray(start) + "<FONT COLOR=\"" + ColourToHTML(colour) + "\"> " + LoadStrBytes(wordId) +
           " </FONT>\r\n";
}

} // namespace

QByteArray StyleSampleHTML(const TStyleChunk &style)
{
    QByteArray html = "<HTML>\r\n<BODY";
    if (!style.BackImage.isEmpty())
        html += attribute("BACKGROUND", style.BackImage);
    html += attribute("BGCOLOR", ColourToHTML(style.BackColour));
    html += attribute("TEXT", ColourToHTML(style.DocColour));
    html += attribute("LINK", ColourToHTML(style.StandardColour));
    html += attribute("ALINK", ColourToHTML(style.ActiveColour));
    html += attribute("VLINK", ColourToHTML(style.VisitedColour));
    html += ">\r\n<CENTER><BOLD>\r\n";
    html += colourLine("<P><BR>", style.DocColour, 513);
    html += colourLine("<P> ", style.StandardColour, 516);
    html += colourLine("<P> ", style.ActiveColour, 514);
    html += colourLine("<P> ", style.VisitedColour, 515);
    html += "</CENTER></BOLD>\r\n</BODY>\r\n</HTML>";
    return html;
}
