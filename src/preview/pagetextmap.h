#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Keeps the page HTML text byte-exact while the user edits it as display text. The bytes are
// Windows-1252 with numeric character references for everything else; a text box turns every
// line end into its own separator and some bytes have no character of their own, so decoding
// for the box and encoding back would change bytes the user never touched. Instead every
// display character remembers the bytes it came from, and an edit replaces only the bytes of
// the characters that changed. New text is encoded with EncodePageText and new line ends are
// written as CR LF, as the page generator writes them.
class TPageTextMap {
public:
    // Starts over from bytes; text() is then the display text, with "\n" for every line end.
    void setBytes(const QByteArray &bytes);
    // Takes the box's new display text (line ends as "\n") and updates the bytes. Characters
    // before and after the changed part keep their original bytes.
    void setText(const QString &text);

    const QByteArray &bytes() const { return m_bytes; }
    const QString &text() const { return m_text; }

private:
    void rebuild();

    QByteArray m_bytes;
    QString m_text;
    // m_offsets[i] is the byte offset of display character i; one more entry holds the size.
    QList<qsizetype> m_offsets;
};
