#pragma once

// The details record that a message dialog's Details button shows.

#include <QPointer>
#include <QString>

#include "core/dataaccess/DAIBCDataSet.h"

// What the Details button of a message dialog shows: with Dataset the rows of that data set in the grid
// window (ConfGrid: field;width;title triples), else Footer as a text in the memo window. A caller fills it
// before showing the dialog; it is never cleared.
struct TDetalleMensaje {
  QString Caption;
  QPointer<TqovDADataset> Dataset;
  QString ConfGrid;
  int MinWidth = 0;
  int MinHeight = 0;
  int HelpCtx = 0;
  QString Footer;
  bool WrapText = false;
  bool ShowBtnGuardar = false;
  bool ScrollBarH = false;
};

extern TDetalleMensaje DetalleMensaje;

class TComponent;

// The Details button of a message dialog (AOwner): the grid window when DetalleMensaje has a data set, else
// the memo window with its text.
void MostrarDetalleMensaje(TComponent* AOwner);
