#include "pageform.h"
#include "viewfixture.h"

#include <set>

// Named anchors and form controls are reached from outside their sections (the viewer scrolls to
// an anchor's section, a form collects its controls). Whatever the reader drops or replaces while
// reading, every such reference must point into a section the document still holds; before, a
// link to such an anchor read freed memory.

namespace {

struct Held {
    std::set<const TSectionBase *> sections;
    std::set<const TFormControl *> controls;
};

void Collect(const TCell &cell, Held &held)
{
    for (const auto &s : cell.Sections()) {
        held.sections.insert(s.get());
        if (auto *section = dynamic_cast<const TSection *>(s.get())) {
            for (const auto &c : section->Controls())
                held.controls.insert(c.get());
        }
        s->ForEachNestedCell([&held](TCell &nested) { Collect(nested, held); });
    }
}

class References : public ViewFixture {
protected:
    // Reads and lays out the page, then checks that every anchor and every form control the
    // reader handed out is held by the document.
    void expectAllHeld(const QByteArray &html)
    {
        readAndLayout(html, 300);
        Held held;
        Collect(*doc, held);
        for (const auto &[name, section] : anchors.Items())
            EXPECT_TRUE(held.sections.count(section))
                << "anchor " << name.toStdString() << " in " << html.constData();
        for (const auto &form : doc->Forms) {
            for (const TFormControl *c : form->Controls)
                EXPECT_TRUE(held.controls.count(c))
                    << "control " << c->Name.toStdString() << " in " << html.constData();
            form->Results(); // reads every control
        }
    }
};

} // namespace

TEST_F(References, AnAnchorInACellCutOffByTooManyColumnsIsDropped)
{
    expectAllHeld("<TABLE><TD COLSPAN=43><TD><A NAME=x");
    EXPECT_EQ(error.Kind, TViewErrorKind::ProcessError);
    EXPECT_EQ(anchors.Find(QStringLiteral("x")), nullptr);
    // Row spans push cells past the last column too.
    expectAllHeld("<TABLE><TR><TD ROWSPAN=2>a<TD COLSPAN=29>b<TR><TD COLSPAN=29>c<TD><A NAME=y>d</TABLE>");
    EXPECT_EQ(anchors.Find(QStringLiteral("y")), nullptr);
}

TEST_F(References, ASecondCaptionAddsToTheFirstAndItsAnchorsStay)
{
    expectAllHeld("<TABLE><CAPTION><A NAME=t>one<CAPTION><A NAME=u>two</CAPTION><TR><TD>x</TABLE>");
    ASSERT_NE(anchors.Find(QStringLiteral("t")), nullptr);
    ASSERT_NE(anchors.Find(QStringLiteral("u")), nullptr);
    EXPECT_EQ(anchors.Find(QStringLiteral("t"))->YValue(), 0); // the caption is the table's top
    expectAllHeld("<TABLE><CAPTION><A NAME=t><CAPTION");
}

TEST_F(References, FormControlsOfDroppedCellsLeaveTheirForm)
{
    expectAllHeld("<FORM><INPUT NAME=kept VALUE=1><TABLE><TR><TD COLSPAN=30>a<TD><INPUT NAME=lost VALUE=2>"
                  "</TABLE></FORM>");
    ASSERT_EQ(doc->Forms.size(), 1u);
    EXPECT_EQ(doc->Forms[0]->Results(), QStringList{"kept=1"});
}

TEST_F(References, AnchorsKeepDocumentOrderAndEmptyAnchoredSectionsStay)
{
    expectAllHeld("<A NAME=a></A><P><TABLE><TR><TD><A NAME=b>in a cell</TABLE><PRE>\n<A NAME=c></A>\n</PRE>"
                  "<A NAME=a>again");
    QStringList names;
    for (const auto &item : anchors.Items())
        names << item.first;
    EXPECT_EQ(names, (QStringList{"A", "B", "C", "A"}));
    // The first of two anchors of one name wins, and an anchor on an empty line still has a place.
    EXPECT_EQ(anchors.Find(QStringLiteral("a"))->YValue(), 0);
    EXPECT_GT(anchors.Find(QStringLiteral("c"))->YValue(), anchors.Find(QStringLiteral("b"))->YValue());
}
