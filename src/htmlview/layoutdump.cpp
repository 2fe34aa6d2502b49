#include "layoutdump.h"

#include "rulesection.h"
#include "section.h"
#include "tablesection.h"
#include "viewdocument.h"

namespace {

void DumpCell(const TCell &cell, int depth, QByteArray &out);

QByteArray Indent(int depth)
{
    return QByteArray(depth * 2, ' ');
}

// Line text as UTF-8, placeholders shown as {img} and {ctl}.
QByteArray Printable(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() == kImageChar)
            shown += QLatin1String("{img}");
        else if (c.unicode() == kControlChar)
            shown += QLatin1String("{ctl}");
        else
            shown += c;
    }
    return shown.toUtf8();
}

void DumpSection(const TSectionBase &s, int depth, QByteArray &out)
{
    out += Indent(depth) + s.KindName();
    out += QByteArray(" y=") + QByteArray::number(s.YValue()) + " h=" + QByteArray::number(s.SectionHeight());
    if (s.DrawHeight() != s.SectionHeight())
        out += " dh=" + QByteArray::number(s.DrawHeight());
    out += " pos=" + QByteArray::number(s.StartCurs()) + " len=" + QByteArray::number(s.Len());
    if (const auto *rule = dynamic_cast<const TRuleSection *>(&s)) {
        out += " rule=" + QByteArray::number(rule->RuleX()) + "," + QByteArray::number(rule->RuleY()) + " " +
               QByteArray::number(rule->RuleWidth()) + "x" + QByteArray::number(rule->Thickness());
    }
    out += '\n';
    if (const auto *section = dynamic_cast<const TSection *>(&s)) {
        for (const TLineBox &l : section->Lines()) {
            out += Indent(depth + 1) + "line x=" + QByteArray::number(l.X) + " y=" + QByteArray::number(l.Y) +
                   " w=" + QByteArray::number(l.Width) + " h=" + QByteArray::number(l.Height());
            if (l.SpaceBefore || l.SpaceAfter)
                out += " above=" + QByteArray::number(l.SpaceBefore) +
                       " below=" + QByteArray::number(l.SpaceAfter);
            out += " \"" + Printable(QStringView(section->Text()).mid(l.Start, l.Count)) + "\"\n";
        }
        for (const auto &img : section->Images()) {
            out += Indent(depth + 1) + "image x=" + QByteArray::number(img->X) +
                   " y=" + QByteArray::number(img->Y) + " w=" + QByteArray::number(img->ShownWidth) +
                   " h=" + QByteArray::number(img->ShownHeight) + " src=" + img->Source.toUtf8() + '\n';
        }
        for (const auto &c : section->Controls()) {
            out += Indent(depth + 1) + "control x=" + QByteArray::number(c->X) +
                   " y=" + QByteArray::number(c->Y) + " w=" + QByteArray::number(c->Width) +
                   " h=" + QByteArray::number(c->Height) + '\n';
        }
    }
    if (const auto *table = dynamic_cast<const TTableSection *>(&s)) {
        out += Indent(depth + 1) + "table x=" + QByteArray::number(table->TableX()) +
               " w=" + QByteArray::number(table->TableWidth()) +
               " columns=" + QByteArray::number(table->ColumnCount()) + '\n';
        const auto dumpCell = [&](const TTableCell &cell, const QByteArray &name) {
            out += Indent(depth + 1) + name + " x=" + QByteArray::number(cell.X) +
                   " y=" + QByteArray::number(cell.Y) + " w=" + QByteArray::number(cell.W) +
                   " h=" + QByteArray::number(cell.H) + '\n';
            DumpCell(cell.Cell, depth + 2, out);
        };
        if (table->Caption)
            dumpCell(*table->Caption, "caption");
        for (size_t r = 0; r < table->Rows.size(); ++r) {
            for (size_t c = 0; c < table->Rows[r].size(); ++c) {
                const TTableCell &cell = *table->Rows[r][c];
                if (!cell.Placeholder)
                    dumpCell(cell, "cell " + QByteArray::number(qulonglong(r)) + "," +
                                       QByteArray::number(qulonglong(c)));
            }
        }
    }
}

void DumpCell(const TCell &cell, int depth, QByteArray &out)
{
    for (const auto &s : cell.Sections())
        DumpSection(*s, depth, out);
}

} // namespace

QByteArray LayoutDump(const TViewDocument &doc)
{
    QByteArray out = "Document h=" + QByteArray::number(doc.LastLayout().Height) +
                     " w=" + QByteArray::number(doc.LastLayout().MaxWidth) + '\n';
    DumpCell(doc, 1, out);
    return out;
}
