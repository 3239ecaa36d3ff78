#pragma once

// How each generated icon is made: a picture in a tint, perhaps with a sign in its corner, and the variants that
// add a letter tile to the picture of their base name.

#include <QImage>
#include <QString>

// The icon of that name at that size. Raises std::invalid_argument for a name that has no recipe.
QImage DibujarIcono(const QString& ANombre, int ATamano);
