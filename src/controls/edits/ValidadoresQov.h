#pragma once

// The text validators of integers, reals and folios, and the formatting of a folio.

#include <QString>

// The text is a decimal integer of 32 bits (an optional sign, digits, nothing else) and, with ARango,
// lies between AMinimo and AMaximo.
bool EsEnteroValido(const QString& ATexto, bool ARango, int AMinimo, int AMaximo);

// The text is a real written with the process's decimal separator and no thousands separators (read as
// TryStrToFloat reads it) and, with ARango, lies between AMinimo and AMaximo at the precision 0.000001.
bool EsFlotanteValido(const QString& ATexto, bool ARango, long double AMinimo, long double AMaximo);

// The text is a folio: a decimal number of up to nine digits, or one letter and 1 to 99999999, two letters
// and 1 to 9999999, or three letters and 1 to 999999, nine characters at most and no blank. Letters are
// A-Z, "_" and a-z; without ATodasLasLetras lower-case "z" is not one.
bool EsFolioValido(const QString& ATexto, bool ATodasLasLetras);

// A valid folio written in nine characters: its letters upper-cased, its number zero-padded; the empty
// text for a text that is no folio.
QString FormatearFolio(const QString& ATexto, bool ATodasLasLetras);
