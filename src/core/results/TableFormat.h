#pragma once

#include <string>

#include "text/Edition.h"

// How the results table writes its numbers. Every value is a text with the edition's decimal
// separator; the table later reads these texts back (totals, copy to the inputs, conversion).
namespace velmora::results {

// A value with `decimals` digits after the separator, in a field of width decimals + the number
// of integer digits (1 below 10, one more per decade, at most 11). The field is never wider than
// the text itself, so no blanks are added: the text is the plain fixed-point form.
std::string FormatValue(long double value, int decimals, text::Edition edition);

// Scientific notation in a field of 11 characters, written as the number-to-text routine of the
// original platform writes extended values ("-d.ddE+dddd", a blank in place of the sign of a
// positive value), with that leading blank removed: 12345 becomes "1.23E+0004". The mantissa is
// rounded half away from zero like the other numbers of the table.
std::string FormatScientific(long double value, text::Edition edition);

// Reynolds numbers: a whole number, or the scientific form above 9999.
std::string FormatReynolds(long double value, text::Edition edition);

// Pressure losses (bar, mbar, psi, lbw./sq.ft.) and their sums: the scientific form above 9999,
// otherwise `decimals` digits.
std::string FormatLoss(long double value, int decimals, text::Edition edition);

}  // namespace velmora::results
