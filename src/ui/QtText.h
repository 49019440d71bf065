// Text at the Qt edge. Everything inside the program is code page 932 bytes;
// a QString exists only on its way to or from a widget. The conversion goes
// through the one codec of the program (text/Cp932.h), never through Qt's own
// Shift-JIS decoder, which drops a lone lead byte and alters control bytes.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tabrix {

// Shows code page 932 text. A byte that is not code page 932 text appears as
// U+FFFD; *clean (when given) tells the caller so that it can mark the text.
QString ToQ(std::string_view cp932, bool* clean = nullptr);

// Encodes typed text. False when a character has no code page 932 code; that
// character is then put in *badChar and cp932 is left unchanged.
bool FromQ(const QString& text, std::string& cp932, QString* badChar = nullptr);

// For texts known to be encodable (file names chosen from our own lists,
// digits): characters without a code are dropped rather than guessed.
std::string FromQLossy(const QString& text);

// Bytes the text takes in code page 932, or -1 when it cannot be encoded.
int Cp932Length(const QString& text);

}  // namespace tabrix
