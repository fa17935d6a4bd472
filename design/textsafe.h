#pragma once

#include <QString>

namespace plenvik {

// Makes a typed text storable in the design file, which has no escapes and
// one byte per character: a double quote becomes an apostrophe, a control
// character or one Windows-1252 cannot hold becomes '?'.
QString makeFileSafe(const QString &text);

// The first character of the text that cannot be printed, as its code
// ("U+0009", "U+FEFF"): a control or format character, a line or
// paragraph separator, half a surrogate pair, a non-character; empty when
// it has none. A line of text on the page may hold any other character,
// so this is all it is checked for.
QString firstControl(const QString &text);

// The text without the blanks (U+0020) at either end; other white space,
// such as the no-break space, is part of the text.
QString trimBlanks(const QString &text);

// True when Windows-1252 holds the character.
bool isCp1252(char32_t c);

// The first character of the text that the design file cannot hold as it
// is (a control character, a double quote, or one outside Windows-1252);
// empty when it holds them all. One that cannot be seen (a control
// character, or 0x81 and 0x8D of Windows-1252) comes as its code, "U+0081",
// so a message can name it.
QString firstUnstorable(const QString &text);

// A name that can be a file name on every system the pages travel to.
bool isPlainPageName(const QString &name);

} // namespace plenvik
