#pragma once

// Texts as the system shows and measures them: line breaks, accelerator characters, tabs and wrapping.

#include <QFlags>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

// The system's texts break lines at CR LF, at LF and at a lone CR; Qt breaks only at LF (it draws "A\rB"
// on one line). The text with every CR LF and every lone CR as LF.
QString DisplayText(const QString& AText);

// How a text is laid out, as the system's DrawText does it. Without dtNoPrefix a "&" marks the next
// character as the accelerator (shown underlined, not measured) and "&&" shows one "&".
enum TDrawTextFlag {
  dtSingleLine = 0x1,  // one line: line breaks are not followed
  dtWordBreak = 0x2,   // lines wrap at word boundaries within the rectangle's width
  dtExpandTabs = 0x4,  // tabs move to the next tab stop
  dtNoPrefix = 0x8,    // "&" is an ordinary character
  dtCenter = 0x10,
  dtRight = 0x20,
};
Q_DECLARE_FLAGS(TDrawTextFlags, TDrawTextFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDrawTextFlags)

// Sizes in the system's pixels.
// The width and height of the text on one line (lines broken only where it has line breaks), accelerator
// characters taken as they are shown.
QSize TextExtent(const QFont& AFont, const QString& AText);
// The rectangle the text takes when laid out from ARect's top left corner: with dtWordBreak it wraps
// within ARect's width (a word wider than that stays whole and widens the result).
QRect CalcTextRect(const QFont& AFont, const QString& AText, const QRect& ARect, TDrawTextFlags AFlags);
// Draws the text as CalcTextRect lays it out; ARect in Qt's logical pixels, the painter's own.
void DrawText(QPainter& APainter, const QString& AText, const QRect& ARect, TDrawTextFlags AFlags);
