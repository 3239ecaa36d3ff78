#pragma once

// The program's own pictures, by resource name.

#include <QImage>
#include <QString>

// The picture of that name: "MSG_ERROR", "MSG_WARNING" and "MSG_INFO" (64 x 64, drawn here for now);
// a null image for any other name.
QImage ImagenPrograma(const QString& ANombre);
