#pragma once

// The details window that shows a text and can save it to a file.

#include "controls/dialogs/ArchivoDetallesQov.h"
#include "platform/forms/Form.h"

class TqovButton;
class TqovEditPopupMenu;
class TqovEnterAsTab;
class TMemo;
class TSaveDialog;

// "Detalles técnicos": a read-only memo with "&Aceptar" and "&Guardar...". When shown it takes its owner's
// scale and then the client size given to it at 96 dpi (ClientWidth96, ClientHeight96), scaled.
class TDetallesMemoForm : public TForm {
  Q_OBJECT

 public:
  explicit TDetallesMemoForm(TComponent* AOwner);

  TqovEnterAsTab* qovEnterAsTab;
  TqovButton* btnAceptar;
  TMemo* mmTexto;
  TqovButton* btnGuardar;
  TqovEditPopupMenu* qovEditPopupMenu;
  TSaveDialog* sdImprimirEnArchivo;

  void SetClientSize96(int AWidth, int AHeight);
  // The text shown, each CR, LF or CR LF a line break; it is saved as given.
  void SetTexto(const QString& AText);
  TArchivoDetallesQov& Archivo() { return FArchivo; }
  // A save has completed in this window.
  bool FVengoDeGuardar = false;

  void FormCreate(QObject* Sender);
  void FormShow(QObject* Sender);
  // Saves the text shown, followed by CR LF.
  void btnGuardarClick(QObject* Sender);

 private:
  TArchivoDetallesQov FArchivo;
  QString FTexto;
  int FClientWidth = 469;
  int FClientHeight = 115;
};

// Shows AText in the memo window, modally, owned by AOwner; a non-empty ACaption replaces the window's.
// The client area is AMinWidth x AMinHeight at 96 dpi; "&Guardar..." shows with AShowBtnGuardar; the text wraps
// with AWrapText, and has a horizontal scroll bar too when DetalleMensaje.ScrollBarH.
void MostrarDetallesMemo(TComponent* AOwner, const QString& ACaption, const QString& AText, int AMinHeight,
                         int AMinWidth, bool AShowBtnGuardar, bool AWrapText);
