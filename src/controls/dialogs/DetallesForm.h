#pragma once

// The details window that shows the rows of a data set and can save them to a file.

#include "controls/dialogs/ArchivoDetallesQov.h"
#include "platform/forms/Form.h"

class TDataSource;
class TLabel;
class TqovButton;
class TqovDBGrid;
class TqovEnterAsTab;
class TSaveDialog;

// "Detalles": a read-only grid of the data set's fields, an optional footer that counts the rows, "&Aceptar"
// and "&Guardar...". It takes its owner's scale when shown.
class TDetallesForm : public TForm {
  Q_OBJECT

 public:
  explicit TDetallesForm(TComponent* AOwner);

  TqovEnterAsTab* qovEnterAsTab;
  TLabel* lblFooter;
  TqovButton* btnAceptar;
  TqovDBGrid* grdDetalles;
  TqovButton* btnGuardar;
  TDataSource* dtsrcDetalles;
  TSaveDialog* sdImprimirEnArchivo;

  TArchivoDetallesQov& Archivo() { return FArchivo; }
  // A save has completed in this window.
  bool FVengoDeGuardar = false;

  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  // Saves one line per record (every field's text, two blanks apart), an empty line and the footer shown.
  void btnGuardarClick(QObject* Sender);

 private:
  TArchivoDetallesQov FArchivo;
};

// Shows DetalleMensaje's data set in the grid window, modally, owned by AOwner: its caption, the grid's size
// and help topic, the columns of ConfGrid (field;width;title triples, applied only when whole) and the footer
// "<row count> <Footer>" when Footer is not empty. A window that has saved stays, hidden, until its owner
// goes; any other is freed when it closes.
void MostrarDetalles(TComponent* AOwner);
