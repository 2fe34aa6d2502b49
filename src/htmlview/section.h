#pragma once

#include "fontrun.h"
#include "formcontrol.h"
#include "inlineimage.h"
#include "linebox.h"
#include "sectionbase.h"

#include <QStringList>

#include <memory>
#include <vector>

// Placeholder characters standing in the text for embedded objects; one character position each.
constexpr char16_t kImageChar = 4;
constexpr char16_t kControlChar = 2;
// A section keeps at most this many characters; further text is dropped.
constexpr int kMaxSectionText = 20000;

enum TJustify : uint8_t { jNone = 0, jLeft = 1, jCenter = 2, jRight = 3 };
enum TClearMode : uint8_t { cmNone = 0, cmLeft = 1, cmRight = 2, cmBoth = 3 };
enum TListKind : uint8_t { lkNone = 0, lkOrdered = 1, lkUnordered = 2, lkDefinition = 3 };

// Text with its font runs, images and form controls, broken into lines at layout.
class TSection : public TSectionBase {
public:
    explicit TSection(TViewDocument *owner, TJustify justify = jLeft);
    ~TSection() override;

    const char *KindName() const override { return "Section"; }

    // ---- filling (the reader) ----
    // Appends text, folding a leading space away when the section is empty, already ends with a
    // space or holds only floating images so far.
    virtual void AddText(QStringView text);
    // Appends text exactly as given (preformatted lines keep every space).
    void AddRawText(QStringView text);
    void AddImage(std::unique_ptr<TInlineImage> image);
    void AddControl(std::unique_ptr<TFormControl> control);
    // From the current end of the text on, new text uses this font and script state.
    void ChangeFont(const TScaledFont &font, TScriptState script);
    // From the current end of the text on, new text belongs to this link (empty: no link).
    void ChangeLink(const TLinkTarget &link);
    // A named anchor (A NAME) stands in this section. The section keeps the name, so an anchor
    // lives exactly as long as the section it names.
    void AddAnchor(const QString &upperName) { m_anchorNames.append(upperName); }
    const QStringList &AnchorNames() const { return m_anchorNames; }

    // ---- the section's contents ----
    const QString &Text() const { return m_text; }
    const std::vector<TFontRun> &Runs() const { return m_runs; }
    const std::vector<std::unique_ptr<TInlineImage>> &Images() const { return m_images; }
    const std::vector<std::unique_ptr<TFormControl>> &Controls() const { return m_controls; }
    const std::vector<TLineBox> &Lines() const { return m_lines; }
    bool HasText() const { return !m_text.isEmpty(); }

    TJustify Justify = jLeft;
    TClearMode Clear = cmNone;
    TListKind ListKind = lkNone;
    bool Plain = false; // a UL PLAIN item: no bullet
    int ListNumber = 0;

    // ---- the section interface ----
    void CopyToClipboard(QString &out, int selStart, int selEnd) const override;
    int LayoutSection(TIndentTracker &indent, int y, int &pos, int &maxWidth) override;
    void Draw(TDrawContext &dc) const override;
    TLinkHit GetURL(int x, int y) const override;
    int FindCursor(int x, int y) const override;
    int FindString(const QString &upperText, int from) const override;
    bool CursorToXY(int pos, int &x, int &y) const override;
    void UpdateFonts() override;
    TMinMax MinMaxWidth() override;
    void Move(int dx, int dy) override;

protected:
    // Whether the section breaks its text into several lines (preformatted lines never do).
    virtual bool Wraps() const { return true; }
    // Draws a list marker left of the first line; nothing for plain sections.
    virtual void DrawMarker(TDrawContext &dc, const TLineBox &first) const;
    const TFontRun &RunAt(int index) const;

    // One measured piece of the text: a stretch of characters in one run that is all spaces, all
    // non-spaces, or one placeholder. Widths are cached until the fonts change, so a re-layout at
    // another width only adds numbers.
    // There is a piece for every word and every space of a page, so a piece is kept small:
    // positions, runs and objects of a section all stay below kMaxSectionText + 1.
    enum class PieceKind : uint8_t { Word, Space, Image, Float, Control };
    struct Piece {
        int Start = 0;
        int Width = 0;
        uint16_t Count = 0;
        uint16_t Run = 0;
        int16_t Object = -1; // index into m_images or m_controls
        PieceKind Kind = PieceKind::Word;
    };
    static_assert(kMaxSectionText < 32767, "piece fields of 16 bits hold every position");
    void EnsurePieces();
    TFontHandle RunFont(int run) const;
    // Lays one line out from piece first at cy; returns the piece after the line.
    int BreakLine(TIndentTracker &indent, int first, int cy, TLineBox &line);
    // Sets the line's height and places its objects; skip is the room above the line left
    // free by moving it below floating pictures.
    void PlaceLine(TLineBox &line, int first, int last, int skip);
    // The width of the first word or object from piece k on (0 when there is none).
    int LeadingWidth(int k) const;
    // The first Y from y on where a span of width fits beside the floating pictures, or y
    // itself when only a wider area would hold it.
    static int BelowFloats(const TIndentTracker &indent, int y, int width);
    void PlaceFloat(TIndentTracker &indent, TInlineImage &image, int y);
    int LineAt(int y) const;
    // The pieces of a line: from its first up to the first of the next line.
    int LinePiecesBegin(int lineIndex) const { return m_lines[lineIndex].FirstPiece; }
    int LinePiecesEnd(int lineIndex) const
    {
        return lineIndex + 1 < int(m_lines.size()) ? m_lines[lineIndex + 1].FirstPiece : m_piecesLaidOut;
    }
    int CharX(const TLineBox &line, int lineIndex, int index) const; // x of a character in a line
    int IndexAtX(int lineIndex, int x) const;
    void DrawLine(TDrawContext &dc, int lineIndex) const;
    TFontRun &RunForChange();

    QString m_text;
    QStringList m_anchorNames;
    std::vector<TFontRun> m_runs;
    std::vector<std::unique_ptr<TInlineImage>> m_images;
    std::vector<std::unique_ptr<TFormControl>> m_controls;
    std::vector<TLineBox> m_lines;
    int m_piecesLaidOut = 0; // the pieces the lines were made of; the last line ends there
    std::vector<Piece> m_pieces;
    int64_t m_piecesWidth = 0; // the widths of all pieces added up
    bool m_piecesShowImages = true;
    bool m_onlyFloats = true; // the text so far is nothing but floating images
    bool m_piecesValid = false;
    TMinMax m_minMax;
    bool m_minMaxValid = false;
};
