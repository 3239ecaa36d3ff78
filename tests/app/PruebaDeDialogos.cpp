#include "app/PruebaDeDialogos.h"

#include "controls/dialogs/MessageForm.h"
#include "controls/inicio/InicioControlesQov.h"
#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/BasesDePrueba.h"
#include "platform/forms/Application.h"
#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"

PruebaDeDialogos::PruebaDeDialogos() {
  AplicacionDePrueba();
  carpeta.UsarGstat(HerramientaDePrueba("gstat-ods11"));
}

void PruebaDeDialogos::SetUp() {
  CarpetasAjustes::SetUp();
  VentanaPrincipal().Hide();
  InicializarControlesQov();
  OnModalShown = [this](QWidget& AVentana) {
    auto* mensaje = dynamic_cast<TMessageForm*>(&AVentana);
    if (!mensaje) {
      if (AlMostrarDialogo) AlMostrarDialogo(AVentana);
      return;
    }
    Mensajes << mensaje->findChild<TLabel*>(QStringLiteral("Message"))->Caption();
    if (BotonMensaje) mensaje->findChild<TButton*>(QLatin1String(BotonMensaje))->Click();
  };
}

void PruebaDeDialogos::GuardarPerfil(const QString& ANombre, TTipoAcceso ATipo, const QString& AServidor,
                                     const QString& ACarpeta) {
  TqovConexiones conexiones;
  QStringList nombres;
  conexiones.GetNames(nombres);
  ASSERT_TRUE(conexiones.Add(ANombre, ATipo, AServidor, prTCP, ACarpeta));
  conexiones.Save();
}

QStringList PruebaDeDialogos::PerfilesGuardados() {
  TqovConexiones conexiones;
  QStringList nombres;
  conexiones.GetNames(nombres);
  return nombres;
}

TForm& PruebaDeDialogos::VentanaPrincipal() {
  if (!Application->MainForm()) Application->CreateForm<TForm>();
  return *Application->MainForm();
}
