#pragma once

// A font of 3 x 5 dots for the letters, digits and signs that small icons carry, sharp at every size because
// each dot is a whole square of pixels.

#include <QColor>
#include <QString>
#include <QStringList>

class QPainter;

// A picture of dots: one text a row, '#' for a dot. Drawn with its top left corner at (AX, AY).
void DibujarPatronPixel(QPainter& APintor, const QStringList& AFilas, int AX, int AY, int ADots, const QColor& AColor);

// The width in pixels of a text whose dots are ADots pixels wide.
int AnchoTextoPixel(const QString& ATexto, int ADots);
// Draws the text with its top left corner at (AX, AY). Raises std::invalid_argument for a character the font
// does not have.
void DibujarTextoPixel(QPainter& APintor, const QString& ATexto, int AX, int AY, int ADots, const QColor& AColor);
