#include "blockhtml.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

template <typename Record>
QByteArray html(Record record, TBuildOptions options = boPreview, const TExportFolders &folders = {})
{
    TWebChunk chunk = MakeWebChunk(record);
    chunk.HTML = "stale text from the last generation";
    ChunkToHTML(chunk, options, folders);
    return chunk.HTML;
}

} // namespace

TEST(WebChunk, ToolboxNamesGiveKindsExactlyAndCaseSensitively)
{
    EXPECT_EQ(GetBlockKind("imgBrPara"), bkPara);
    EXPECT_EQ(GetBlockKind("imgBrLink"), bkLink);
    EXPECT_EQ(GetBlockKind("imgBrImage"), bkImage);
    EXPECT_EQ(GetBlockKind("imgBrHeading"), bkHeading);
    EXPECT_EQ(GetBlockKind("imgBrEmail"), bkEmail);
    EXPECT_EQ(GetBlockKind("imgBrLine"), bkLine);
    EXPECT_EQ(GetBlockKind("imgbrpara"), bkNone);
    EXPECT_EQ(GetBlockKind("imgBrPara "), bkNone);
    EXPECT_EQ(GetBlockKind(""), bkNone);
}

TEST(WebChunk, NewChunkHoldsOnlyTheRecordOfItsKindWithDefaults)
{
    const TWebChunk link = NewWebChunk(QStringLiteral("imgBrLink"));
    EXPECT_EQ(link.Kind(), bkLink);
    ASSERT_TRUE(link.Link());
    EXPECT_EQ(link.Link()->URL, "http://");
    EXPECT_TRUE(link.HTML.isEmpty());
    EXPECT_FALSE(link.Para() || link.Image() || link.Heading() || link.Email() || link.Line());

    EXPECT_EQ(NewWebChunk(bkImage).Image()->LinkURL, "http://");
    EXPECT_EQ(NewWebChunk(bkHeading).Heading()->Size, "1 (Largest)");
    EXPECT_EQ(NewWebChunk(bkLine).Line()->Thickness, "6 (Thickest)");

    const TWebChunk none = NewWebChunk(QStringLiteral("imgShredder"));
    EXPECT_EQ(none.Kind(), bkNone);
    EXPECT_FALSE(none.Para() || none.Link() || none.Image() || none.Heading() || none.Email() || none.Line());
    EXPECT_EQ(NewWebChunk(TBlockKind(17)).Kind(), bkNone);
}

TEST(WebChunk, KindAlwaysFollowsTheRecordTheChunkHolds)
{
    static_assert(BlockKindOf<TBlockPara>() == bkPara && BlockKindOf<TBlockLink>() == bkLink &&
                  BlockKindOf<TBlockImage>() == bkImage && BlockKindOf<TBlockHeading>() == bkHeading &&
                  BlockKindOf<TBlockEmail>() == bkEmail && BlockKindOf<TBlockLine>() == bkLine);
    for (int kind = 0; kind < kBlockKindCount; ++kind)
        EXPECT_EQ(NewWebChunk(TBlockKind(kind)).Kind(), TBlockKind(kind));

    // Whatever record a chunk is given, its kind changes with it and the old record is gone: a
    // chunk can never be of one kind and hold the record of another, or hold two.
    TWebChunk chunk;
    EXPECT_EQ(chunk.Kind(), bkNone);
    chunk.Record = TBlockHeading{"3 (Large)", "Hello", baLeft, 0};
    EXPECT_EQ(chunk.Kind(), bkHeading);
    EXPECT_EQ(chunk.Heading()->Text, "Hello");
    chunk.Record.emplace<TBlockLink>();
    EXPECT_EQ(chunk.Kind(), bkLink);
    EXPECT_EQ(chunk.Heading(), nullptr);
    EXPECT_EQ(chunk.Link()->URL, "http://");
    chunk.Record = std::monostate();
    EXPECT_EQ(chunk.Kind(), bkNone);
    EXPECT_EQ(chunk.Link(), nullptr);

    const TWebChunk email = MakeWebChunk(TBlockEmail{"Mail", "me@example.com", "me", "", baNone, 1});
    EXPECT_EQ(email.Kind(), bkEmail);
    EXPECT_EQ(email.As<TBlockEmail>(), email.Email());
    EXPECT_EQ(email.Email()->Address, "me@example.com");
    EXPECT_NE(email, NewWebChunk(bkEmail));
}

TEST(WebChunk, AlignWords)
{
    EXPECT_EQ(AlignWord(baNone), "");
    EXPECT_EQ(AlignWord(baLeft), "Left");
    EXPECT_EQ(AlignWord(baCenter), "Center");
    EXPECT_EQ(AlignWord(baRight), "Right");
    EXPECT_EQ(AlignWord(TBlockAlign(4)), "");
    EXPECT_EQ(AlignWord(TBlockAlign(255)), "");
}

TEST(ParaHTML, TextAloneLineBreaksAlignmentAndNewLine)
{
    EXPECT_EQ(html(TBlockPara{"Hello <B>world</B>", baNone, 0}), "Hello <B>world</B>");
    EXPECT_EQ(html(TBlockPara{"a\r\nb", baNone, 0}), "a<BR>\r\nb");
    EXPECT_EQ(html(TBlockPara{"a\r\n\r\nb\r\n", baNone, 0}), "a<BR>\r\n<BR>\r\nb<BR>\r\n");
    EXPECT_EQ(html(TBlockPara{"x", baCenter, 0}), "<P ALIGN=Center>\r\nx</P>\r\n");
    EXPECT_EQ(html(TBlockPara{"x", baNone, 1}), "x<BR>\r\n");
    EXPECT_EQ(html(TBlockPara{"", baRight, 1}), "<P ALIGN=Right>\r\n</P>\r\n<BR>\r\n");
}

TEST(ParaHTML, SwitchingAlignmentOffRemovesBothParagraphTags)
{
    TWebChunk chunk = MakeWebChunk(TBlockPara{"x", baLeft, 0});
    ParaToHTML(chunk);
    EXPECT_EQ(chunk.HTML, "<P ALIGN=Left>\r\nx</P>\r\n");
    chunk.Para()->Align = baNone;
    ParaToHTML(chunk);
    EXPECT_EQ(chunk.HTML, "x");
}

TEST(LinkHTML, DefaultUrlIsWrittenAndSpacesSurroundTheAnchor)
{
    EXPECT_EQ(html(*NewWebChunk(bkLink).Link()), " <A HREF=\"http://\"></A> \r\n");
    EXPECT_EQ(html(TBlockLink{"See", "", "here", "now", baNone, 0}), "See <A HREF=\"\">here</A> now\r\n");
    EXPECT_EQ(html(TBlockLink{"a", "x.html?q=\"1\"", "b", "c", baRight, 1}),
              "<DIV ALIGN=Right>\r\na <A HREF=\"x.html?q=\"1\"\">b</A> c\r\n</DIV>\r\n<BR>\r\n");
}

TEST(EmailHTML, AlignedBlockEndsItsDivWithoutLineEnd)
{
    EXPECT_EQ(html(TBlockEmail{"", "me@example.org", "mail me", "", baNone, 0}),
              " <A HREF=\"mailto:me@example.org\">mail me</A> \r\n");
    EXPECT_EQ(html(TBlockEmail{"Write", "a@b.c", "us", "today", baCenter, 1}),
              "<DIV ALIGN=Center>\r\nWrite <A HREF=\"mailto:a@b.c\">us</A> today\r\n</DIV><BR>\r\n");
    EXPECT_EQ(html(TBlockEmail{"", "a@b.c", "", "", baLeft, 0}),
              "<DIV ALIGN=Left>\r\n <A HREF=\"mailto:a@b.c\"></A> \r\n</DIV>");
}

TEST(HeadingHTML, LevelFromSizeAlignmentAndNoNewLine)
{
    EXPECT_EQ(html(TBlockHeading{"3 (Large)", "Title", baNone, 1}), "<H3>Title</H3>\r\n");
    EXPECT_EQ(html(TBlockHeading{"3 (Large)", "Title", baRight, 0}), "<H3 ALIGN=Right>Title</H3>\r\n");
    // A damaged document may leave the size empty: the first size of the list stands in.
    EXPECT_EQ(html(TBlockHeading{"", "T", baNone, 0}), "<H1>T</H1>\r\n");
}

TEST(LineHTML, WidthIsOptionalAndSizeComesFromThickness)
{
    EXPECT_EQ(html(TBlockLine{"", "1 (Thinnest)"}), "<HR SIZE=1>\r\n");
    EXPECT_EQ(html(TBlockLine{"50", "1 (Thinnest)"}), "<HR WIDTH=50% SIZE=1>\r\n");
    EXPECT_EQ(html(TBlockLine{"", ""}), "<HR SIZE=6>\r\n");
}

TEST(ImageHTML, DefaultLinkGivesNoAnchorAndAnyOtherLinkDoes)
{
    TBlockImage image;
    image.FileName = "graphics\\dog.gif";
    EXPECT_EQ(html(image), "<IMG SRC=\"graphics/dog.gif\">\r\n");
    image.LinkURL = "";
    EXPECT_EQ(html(image), "<IMG SRC=\"graphics/dog.gif\">\r\n");
    image.LinkURL = "HTTP://";
    EXPECT_EQ(html(image), "<A HREF=\"HTTP://\">\r\n<IMG SRC=\"graphics/dog.gif\">\r\n</A>\r\n");
}

TEST(ImageHTML, AttributesInOrderAndCenterAsItsOwnLines)
{
    TBlockImage image{"dog.gif", "40", "60", "A \"good\" dog", "http://dogs.example/", baLeft, 0};
    EXPECT_EQ(html(image), "<A HREF=\"http://dogs.example/\">\r\n"
                           "<IMG SRC=\"dog.gif\" HEIGHT=40 WIDTH=60 ALIGN=Left ALT=\"A \"good\" dog\">\r\n"
                           "</A>\r\n");
    image = TBlockImage{"a\\b\\c.jpg", "", "", "", "http://", baCenter, 1};
    EXPECT_EQ(html(image), "<CENTER>\r\n<IMG SRC=\"a/b/c.jpg\">\r\n</CENTER>\r\n<BR>\r\n");
    image.Align = baRight;
    EXPECT_EQ(html(image), "<IMG SRC=\"a/b/c.jpg\" ALIGN=Right>\r\n<BR>\r\n");
}

TEST(ImageHTML, ExportCopiesThePictureOnlyWhenAskedTo)
{
    QTemporaryDir program, editor;
    ASSERT_TRUE(QDir(program.path()).mkpath("HTMLFiles/graphics"));
    ASSERT_TRUE(QDir(editor.path()).mkpath("HTMLFiles/Graphics"));
    QFile picture(program.filePath("HTMLFiles/graphics/dog.gif"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write("GIF89a new");
    picture.close();
    const QString copied = editor.filePath("HTMLFiles/Graphics/Dog.GIF");
    QFile old(copied);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older picture");
    old.close();

    TBlockImage image;
    image.FileName = "graphics\\Dog.GIF";
    const TExportFolders folders{program.path(), editor.path()};
    html(image, boForExport, folders);
    EXPECT_EQ(QFile(copied).size(), 16) << "an export without copyFiles copies nothing";

    EXPECT_EQ(html(image, boForExport | boCopyFiles, folders), "<IMG SRC=\"graphics/Dog.GIF\">\r\n");
    QFile result(copied);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), "GIF89a new");

    // A picture that is not in the program's folder leaves the editor's files alone.
    image.FileName = "C:\\photos\\cat.jpg";
    html(image, boForExport | boCopyFiles, folders);
    EXPECT_FALSE(QFile::exists(editor.filePath("HTMLFiles/Graphics/cat.jpg")));
}

TEST(ChunkHTML, ChunkOfNoKindGivesNothing)
{
    TWebChunk chunk;
    chunk.HTML = "old";
    ChunkToHTML(chunk, boPreview);
    EXPECT_TRUE(chunk.HTML.isEmpty());
}
