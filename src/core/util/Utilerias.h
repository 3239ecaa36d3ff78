#pragma once

// Utility routines: rounding, comparison of reals, number formatting, padding, splitting.

#include <QChar>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// 1 when the value is greater than 0, -1 when it is less, otherwise 0 (a NaN gives 0).
long double Signo(long double AValor);

// The value rounded to a whole multiple of the step (which must be positive), half away from zero, with a
// threshold a little below one half that absorbs the error of binary fractions. A NaN gives a NaN; an
// infinite value, or a zero step, raises EInvalidOp.
long double RedondearPaso(long double AValor, long double APaso);

// -1, 0 or 1 as A is less than, equal to or greater than B, equal meaning that the difference rounds to
// zero at the precision step. An infinite difference raises EInvalidOp; a NaN difference gives 0.
int CompararFlotantes(long double A, long double B, long double APrecision);

// The largest number with ADigitos integer digits and ADecimales decimals: (10, 2) gives 9999999999.99.
long double ValorMaximoDigitos(int ADigitos, int ADecimales);

// Writes AUltimo + 1 characters to ADestino: the text's characters, then blanks. No terminator.
void RellenarFijo(QChar* ADestino, int AUltimo, const QString& ATexto);

// The last ACuantos characters of the text (all of it when it is shorter; nothing when ACuantos <= 0).
QString TextoDerecha(const QString& ATexto, int ACuantos);

// A negative width pads the text on the left to -AAncho characters with ARelleno and keeps the rightmost
// ones of a longer text; a width of 0 or more pads on the right and keeps the leftmost ones.
QString RellenarCaracter(const QString& ATexto, QChar ARelleno, qint16 AAncho);

// The value in the general format (up to 18 significant digits), left-padded with zeros to ADigitos
// characters and cut to its last ADigitos; a negative value keeps its "-" in front, within the width.
QString NumeroConCeros(int ADigitos, long double AValor);

// True when every character is a decimal digit (only 0-9 up to U+00FF); true for the empty text.
bool SoloDigitos(const QString& ATexto);

// Empties the list and fills it with the pieces of the text between separators (exact match); a text that
// ends with the separator gives a final empty piece, and the empty text gives none.
void SepararTexto(const QString& ATexto, const QString& ASeparador, QStringList& ALista);

// The text a numeric edit shows for the value. AAncho counts integer digits and decimals. In display mode
// (AMostrar, and the letters hold an upper-case letter) a value that does not fit gives "Error"; the
// letters "J" pad an integer with zeros, "C" gives the empty text for zero, "F" leaves out the thousands
// separators; the decimals shown are those needed, at least AMinDecimales. Otherwise the plain text with
// trailing decimal zeros dropped is given, the empty text for a NaN (and for zero with "C").
QString FormatearNumero(bool AMostrar, int AAncho, int ADecimales, long double AValor, int AMinDecimales,
                        const QString& ALetras);
