// What a numeric field admits and how its text reads as a number.
//
// A numeric field holds only digits, minus signs and the decimal separator of the user's
// regional settings (DecimalSeparator(), numformat.h). Its text is converted to a number
// by a strict parser of its own; the process locale is never used.
#pragma once

#include <QString>

#include <bitset>

// The characters a numeric field admits: "0".."9", "-" and the decimal separator.
class TNumChars
{
public:
    explicit TNumChars(const QString &Separator);

    bool Contains(QChar C) const;

    // Codes 0..255. A separator above 255 is kept apart, as itself: folding its code into
    // this range would admit an unrelated character.
    std::bitset<256> Latin1;
    QString Wide;
};

// The set for the current decimal separator; follows SetDecimalSeparator() at once.
const TNumChars &NumChars();

// Converts S to a number: optional leading blanks, an optional sign, digits, optionally a
// point and digits (either side may be empty, not both: "." reads as 0), optionally "e" or
// "E" with an optional sign and at least one digit; nothing may follow. The user's decimal
// separator is read as a point; where it is a comma, every comma is. A number too large
// (or too small) for a double is an error. Value is 0 on failure.
bool TryStrToNum(const QString &S, double &Value);
