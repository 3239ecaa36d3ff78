#pragma once

// The base of the program's dialog tests.

#include <QStringList>
#include <functional>

#include "core/settings/ConexionesQov.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/CarpetasAjustes.h"

class QWidget;
class TForm;

// Settings folders of the test's own, the control library started, and a working folder whose gstat
// reports the fixtures' older databases (page size 4096) as ODS 11.2. Every modal window is answered: a
// message box's text is written down in Mensajes and the box answered with BotonMensaje when one is named
// (else closed as its close box would); any other window goes to AlMostrarDialogo.
class PruebaDeDialogos : public CarpetasAjustes {
 protected:
  PruebaDeDialogos();
  void SetUp() override;

  // Saves one more profile in the machine-wide settings.
  static void GuardarPerfil(const QString& ANombre, TTipoAcceso ATipo, const QString& AServidor,
                            const QString& ACarpeta);
  // The profile names that a fresh load of the settings file gives.
  static QStringList PerfilesGuardados();
  // The application's main form, hidden when the test starts, as the main window is while the sign-in is
  // shown.
  static TForm& VentanaPrincipal();

  CarpetaTrabajo carpeta;
  QStringList Mensajes;
  const char* BotonMensaje = nullptr;
  std::function<void(QWidget&)> AlMostrarDialogo;
};
