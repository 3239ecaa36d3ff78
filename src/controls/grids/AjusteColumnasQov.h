#pragma once

// The arithmetic that fits a grid's data columns to its width.

#include <QVector>

// What the fitting needs of a grid: the width to fill, the line between two grid columns, whether the grid
// has no border (its columns then count 4 pixels less) and whether an indicator column comes first.
struct TMedidasRejillaQov {
  int Disponible = 0;
  int GrosorLinea = 0;
  bool SinBorde = false;
  bool Indicador = false;
};

// The width that grid columns of these widths take: a line for each and their widths, 4 less without
// border.
int AnchoUsadoQov(const QVector<int>& AAnchos, const TMedidasRejillaQov& AMedidas);

// The widths of every grid column (the indicator's first, 10 pixels) that share out the width to fill among
// the data columns in proportion to their declared widths, rounded to the nearest pixel (halves to even).
// When the rounded columns and lines take more than the width, the excess is taken from the data columns
// alike, the remainder of its division from the last one. Widths that sum to 0 share it out equally, and no
// column is left narrower than 1 pixel. A shortfall after rounding is left. Without data columns only the
// indicator is sized.
QVector<int> AjustarAnchosQov(const TMedidasRejillaQov& AMedidas, const QVector<int>& ADeclarados);
