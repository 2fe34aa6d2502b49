#pragma once

#include <QString>

// Passwords are stored scrambled: every byte of the password (in the program's single-byte code
// page) is combined with a fixed key and written as a decimal number, the numbers joined by ",".
//
// A one-character password would give a single number without a comma, which reads back as its
// digits; such a password is therefore stored with one trailing comma ("54,"), and a single empty
// last piece is ignored when reading. A stored value without any comma, or one whose pieces are
// not all numbers from 0 to 255, was not written by the scrambler (a hand-typed value, a value
// from another program) and is read exactly as it stands, so nothing typed is ever lost.

enum class TCryptMode { Encode, Decode };

// The fixed key text. It is part of the stored format: a list scrambled with another key cannot
// be read back.
inline constexpr char PasswordKey[] = "Quiet mornings here";

// Each byte combined by exclusive-or with the key byte at the same place, the key repeating.
QByteArray XorWithKey(const QByteArray &text);

QString CryptPassword(const QString &text, TCryptMode mode);

// Whether a stored value is a list of numbers the scrambler could have written.
bool IsScrambledPassword(const QString &stored);
