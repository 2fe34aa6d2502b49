#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>

// A sectioned settings file of the kind ISP definitions are written in:
//
//   ; a comment
//   [Server Details]
//   Name = Example Hosting
//
// Section and key names are matched without regard to letter case. Spaces and tabs around names
// and values are ignored, lines may end in CR LF, LF or CR, and a value wrapped in one pair of
// double quotes loses them. A line starting with ";" or "#" is a comment; lines that are neither a
// section, a key nor a comment are skipped. When a key appears twice in a section the first one
// counts, as it does for the readers these files were first written for.
//
// The bytes are UTF-8 when they form valid UTF-8 (a byte order mark is skipped), otherwise the
// program's single-byte code page.
class TInfFile {
public:
    // Parses bytes. A file holding NUL bytes, or larger than MaxSize, is not a text file of this
    // kind: the result then has no sections and error() says why.
    explicit TInfFile(QByteArrayView bytes);
    // Reads the named file; a file that cannot be read gives an error as above.
    static TInfFile fromFile(const QString &path);

    static constexpr qsizetype MaxSize = 256 * 1024;

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    bool contains(const QString &section, const QString &key) const;
    // The value, or defaultValue when the section or key is missing.
    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // The value read as a whole decimal number (an optional sign, then digits); defaultValue when
    // the key is missing or its value is not such a number.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // A number where 0 is false and any other number true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

private:
    TInfFile() = default;
    void parse(const QString &text);
    static QString fold(const QString &name) { return name.toCaseFolded(); }

    QHash<QString, QHash<QString, QString>> m_sections;
    QString m_error;
};

// A number as the reader takes it; nothing when the text is not one or does not fit in an int.
std::optional<int> ParseInfInteger(const QString &text);
