#include "builderdocument.h"
#include "golden.h"
#include "samplepage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray int32(int32_t value)
{
    const auto v = uint32_t(value);
    const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    return QByteArray(bytes, 4);
}

QByteArray fileString(const QByteArray &text)
{
    return int32(int32_t(text.size()) - 1) + text;
}

const QByteArray kTrailer = int32(4) + int32(-1) + "End of Zorvin Express File >=)";

// A paragraph block as it stands in a file.
QByteArray paraBlock(const QByteArray &text, int32_t align = 0, char newLine = 0)
{
    return int32(bkPara) + fileString(text) + int32(align) + QByteArray(1, newLine);
}

TWebChunk para(const QByteArray &text, TBlockAlign align = baNone, uint8_t newLine = 0)
{
    return MakeWebChunk(TBlockPara{text, align, newLine});
}

// The sample page as it reads back: the heading's new-line flag is not stored.
TWebChunkList sampleAsRead()
{
    TWebChunkList chunks = SamplePage();
    for (TWebChunk &chunk : chunks) {
        if (chunk.Heading())
            chunk.Heading()->NewLine = 0;
    }
    return chunks;
}

} // namespace

TEST(DocumentWriter, EmptyPageBytes)
{
    EXPECT_EQ(DocumentBytes("[None]", "", {}),
              "Zorvin Express File1.11" + fileString("[None]") + int32(-1) + int32(0) + kTrailer);
    EXPECT_EQ(DocumentBytes("", "T", {}),
              QByteArray("Zorvin Express File1.11\xff\xff\xff\xff\0\0\0\0T\0\0\0\0", 36) + kTrailer);
}

TEST(DocumentWriter, GoldenBytesOfEveryKind)
{
    const QByteArray bytes = DocumentBytes("Starry Night", "My \"first\" page", SamplePage());
    ExpectGolden("sample.zve", bytes);
    // The e-mail block stores its address before the text in front of the link.
    EXPECT_TRUE(bytes.contains(int32(bkEmail) + fileString("mail@example.com") + fileString("Questions?")));
    // Alignment is four bytes, the new-line flag one; a heading stores no new-line flag.
    EXPECT_TRUE(bytes.contains(fileString("The end.") + int32(3) + QByteArray(1, '\0') + int32(bkLine)));
    EXPECT_TRUE(bytes.contains(fileString("Welcome to Caf\xe9 \"Zorvin\"") + int32(2) + int32(bkPara)));
}

TEST(DocumentWriter, ChunksOfNoKindAreLeftOutOfTheCount)
{
    TWebChunkList chunks{para("a"), TWebChunk(), para("b")};
    EXPECT_EQ(DocumentBytes("s", "t", chunks), DocumentBytes("s", "t", {para("a"), para("b")}));
}

TEST(DocumentReader, RoundTripOfEveryKind)
{
    const TDocumentRead read = ReadDocumentBytes(DocumentBytes("Starry Night", "My page", SamplePage()));
    EXPECT_EQ(read.Status, TDocumentStatus::Complete);
    EXPECT_TRUE(read.readable());
    EXPECT_EQ(read.FileVersionMajor, 1);
    EXPECT_EQ(read.FileVersionMinor, 11);
    EXPECT_EQ(read.StyleName, QByteArray("Starry Night"));
    EXPECT_EQ(read.Title, QByteArray("My page"));
    EXPECT_EQ(read.ChunkReadError, TChunkReadError::None);
    EXPECT_EQ(read.Chunks, sampleAsRead());
    EXPECT_EQ(ReadDocumentBytes(ReadSourceFile(ZV_TEST_SOURCE_DIR "/golden/sample.zve")).Chunks,
              sampleAsRead());
}

TEST(DocumentReader, EmptyPageKeepsStyleAndTitle)
{
    const TDocumentRead read = ReadDocumentBytes(DocumentBytes("Sunny", "", {}));
    EXPECT_EQ(read.Status, TDocumentStatus::Complete);
    EXPECT_EQ(read.StyleName, QByteArray("Sunny"));
    EXPECT_EQ(read.Title, QByteArray(""));
    EXPECT_TRUE(read.Chunks.empty());
}

TEST(DocumentReader, OlderVersionsStoreLess)
{
    const QByteArray block = paraBlock("x");
    // 1.00: neither style nor title.
    TDocumentRead read = ReadDocumentBytes("Zorvin Express File1.00" + int32(1) + block);
    EXPECT_EQ(read.Status, TDocumentStatus::Complete);
    EXPECT_EQ(read.FileVersionMinor, 0);
    EXPECT_FALSE(read.StyleName || read.Title);
    EXPECT_EQ(read.Chunks, TWebChunkList{para("x")});
    // 1.01 and 1.02: a style but no title.
    for (const char *version : {"1.01", "1.02"}) {
        read = ReadDocumentBytes("Zorvin Express File" + QByteArray(version) + fileString("Sunny") +
                                 int32(1) + block);
        EXPECT_EQ(read.Status, TDocumentStatus::Complete) << version;
        EXPECT_EQ(read.StyleName, QByteArray("Sunny")) << version;
        EXPECT_FALSE(read.Title) << version;
        EXPECT_EQ(read.Chunks, TWebChunkList{para("x")}) << version;
    }
    // The character between the digits is not looked at.
    read = ReadDocumentBytes("Zorvin Express File1,11" + fileString("S") + fileString("T") + int32(0));
    EXPECT_EQ(read.Title, QByteArray("T"));
}

TEST(DocumentReader, ForeignOrBadHeadersReadNothing)
{
    TDocumentRead read = ReadDocumentBytes("Zorvin Express Fil" + int32(0));
    EXPECT_EQ(read.Status, TDocumentStatus::NotADocument);
    EXPECT_FALSE(read.readable());
    read = ReadDocumentBytes("Zorvin Express File2.00" + fileString("S") + fileString("T") + int32(1) +
                             paraBlock("x"));
    EXPECT_EQ(read.Status, TDocumentStatus::UnsupportedVersion);
    EXPECT_EQ(read.FileVersionMajor, 2);
    EXPECT_FALSE(read.StyleName);
    EXPECT_TRUE(read.Chunks.empty());
    for (const char *version : {"1.1a", "x.11", "1.-1", "1. 1"}) {
        read = ReadDocumentBytes("Zorvin Express File" + QByteArray(version) + fileString("S") + int32(0));
        EXPECT_EQ(read.Status, TDocumentStatus::BadVersion) << version;
        EXPECT_FALSE(read.StyleName) << version;
        EXPECT_FALSE(read.Error.isEmpty());
    }
}

TEST(DocumentReader, EndMarkerOrUnknownKindKeepsTheBlocksBefore)
{
    const QByteArray head = "Zorvin Express File1.11" + fileString("S") + fileString("T") + int32(3);
    TDocumentRead read = ReadDocumentBytes(head + paraBlock("a") + int32(-1) + paraBlock("b"));
    EXPECT_EQ(read.Status, TDocumentStatus::BlockError);
    EXPECT_TRUE(read.readable());
    EXPECT_EQ(read.ChunkReadError, TChunkReadError::EndMarker);
    EXPECT_EQ(read.Chunks, TWebChunkList{para("a")});

    read = ReadDocumentBytes(head + paraBlock("a") + paraBlock("b") + int32(6) + paraBlock("c"));
    EXPECT_EQ(read.ChunkReadError, TChunkReadError::UnknownKind);
    EXPECT_EQ(read.Chunks, (TWebChunkList{para("a"), para("b")}));
    // Each read starts afresh: a good document after a bad one reads whole.
    EXPECT_EQ(ReadDocumentBytes(head + paraBlock("a") + paraBlock("b") + paraBlock("c")).Chunks.size(), 3u);
}

TEST(DocumentReader, OnlyTheLowestByteOfAnAlignmentCounts)
{
    const QByteArray head = "Zorvin Express File1.11" + fileString("S") + fileString("T") + int32(1);
    const TDocumentRead read = ReadDocumentBytes(head + paraBlock("a", 0x7FFFFF02, 1));
    EXPECT_EQ(read.Chunks, TWebChunkList{para("a", baCenter, 1)});
}

TEST(DocumentReader, NothingAfterTheLastBlockIsRead)
{
    const QByteArray doc = DocumentBytes("S", "T", {para("a")});
    const QByteArray withoutTrailer = doc.left(doc.size() - kTrailer.size());
    EXPECT_EQ(ReadDocumentBytes(withoutTrailer).Status, TDocumentStatus::Complete);
    EXPECT_EQ(ReadDocumentBytes(doc + " and a longer trailer").Chunks, TWebChunkList{para("a")});
}

TEST(DocumentReader, EveryTruncationKeepsAPrefixOfTheBlocks)
{
    const TWebChunkList expected = sampleAsRead();
    const QByteArray doc = DocumentBytes("Starry Night", "Title", SamplePage());
    const qsizetype blocksEnd = doc.size() - kTrailer.size();
    for (qsizetype size = 0; size < blocksEnd; ++size) {
        const TDocumentRead read = ReadDocumentBytes(doc.left(size));
        ASSERT_NE(read.Status, TDocumentStatus::Complete) << size;
        ASSERT_LE(read.Chunks.size(), expected.size());
        for (size_t i = 0; i < read.Chunks.size(); ++i) {
            ASSERT_EQ(read.Chunks[i], expected[i]) << "cut at " << size << ", block " << i;
        }
        if (size >= 23) {
            EXPECT_EQ(read.Status, TDocumentStatus::Truncated) << size;
        }
    }
}

TEST(DocumentReader, HostileLengthsAndCountsAreNotTrusted)
{
    const QByteArray head = "Zorvin Express File1.11" + fileString("S") + fileString("T");
    // Two billion blocks announced, one present.
    TDocumentRead read = ReadDocumentBytes(head + int32(0x7FFFFFFF) + paraBlock("a"));
    EXPECT_EQ(read.Status, TDocumentStatus::Truncated);
    EXPECT_EQ(read.Chunks, TWebChunkList{para("a")});
    // A text claiming the largest length there is.
    read = ReadDocumentBytes(head + int32(1) + int32(bkPara) + int32(0x7FFFFFFF) + "abc");
    EXPECT_EQ(read.Status, TDocumentStatus::Truncated);
    EXPECT_TRUE(read.Chunks.empty());
    // A title longer than the file.
    read = ReadDocumentBytes("Zorvin Express File1.11" + fileString("S") + int32(100) + "short");
    EXPECT_EQ(read.Status, TDocumentStatus::Truncated);
    EXPECT_EQ(read.StyleName, QByteArray("S"));
    EXPECT_FALSE(read.Title);
    // Any negative length is an empty text.
    read = ReadDocumentBytes(head + int32(1) + int32(bkPara) + int32(-77) + int32(0) + QByteArray(1, 0));
    EXPECT_EQ(read.Chunks, TWebChunkList{para("")});
}

TEST(DocumentFile, SaveReplacesTheWholeFileAndReadsBack)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Index.zve");
    EXPECT_EQ(ReadDocument(path).Status, TDocumentStatus::CannotOpen);
    EXPECT_EQ(ReadDocument(folder.path()).Status, TDocumentStatus::CannotOpen) << "a folder is no document";
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_EQ(ReadDocument(path).Status, TDocumentStatus::NotADocument);
    ASSERT_TRUE(WriteDocument(path, "Sunny", "Long", SamplePage()));
    ASSERT_TRUE(WriteDocument(path, "[None]", "Short", {para("x")}));
    EXPECT_EQ(ReadSourceFile(path), DocumentBytes("[None]", "Short", {para("x")}));
    const TDocumentRead read = ReadDocument(path);
    EXPECT_EQ(read.Title, QByteArray("Short"));
    EXPECT_EQ(read.Chunks, TWebChunkList{para("x")});
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Index.zve"})
        << "no temporary file is left";

    QString error;
    EXPECT_FALSE(WriteDocument(folder.filePath("missing/Index.zve"), "S", "T", {}, &error));
    EXPECT_FALSE(error.isEmpty());
}
