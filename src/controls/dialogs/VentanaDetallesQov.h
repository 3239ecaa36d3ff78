#pragma once

// What the two details windows share: their frame, their buttons and their save dialog.

#include <QRect>
#include <QString>

#include "platform/forms/Form.h"

class TqovButton;
class TSaveDialog;

// A details window's frame: the caption, a dialog border with the given icons, the client size at 96 dpi, the
// button-face colour, Tahoma 11 pixels high, centred on its owner.
void PrepararVentanaDetalles(TForm& AForma, const QString& ACaption, TBorderIcons AIconos, int AAncho, int AAlto);

// A library button of a details window, at its place at 96 dpi.
TqovButton* NuevoBotonDetalles(TForm& AForma, const QString& ANombre, const QString& ACaption, const QRect& ALugar,
                               int ATabOrder);

// The save dialog "sdImprimirEnArchivo": "Guardar en archivo", the filter "txt|*.TXT", in the user's documents
// folder, the folder of the path having to exist.
TSaveDialog* NuevoDialogoGuardarDetalles(TComponent* AOwner);
