#include "app/inicio/Programa.h"

#include <langinfo.h>

#include <QLatin1StringView>
#include <clocale>
#include <cstdio>
#include <exception>

#include "app/dialogs/DlgLogin.h"
#include "app/dialogs/DlgTemplateFrm.h"
#include "app/main/ParvenkoFrm.h"
#include "controls/inicio/InicioControlesQov.h"
#include "core/engine/FormatoRegional.h"
#include "platform/forms/Application.h"
#include "platform/forms/QtTranslation.h"

void UsarLocaleUtf8() {
  if (!setlocale(LC_ALL, "") || QLatin1StringView(nl_langinfo(CODESET)) != QLatin1StringView("UTF-8"))
    setlocale(LC_ALL, "C.UTF-8");
}

int EjecutarDrevalino(TApplication& AAplicacion) {
  try {
    // The modules' initialisation: the regional formats, then the control library's registries and hooks.
    ConfigurarFormatoRegional(QStringLiteral("ES-mx"), QLatin1Char('/'), QLatin1Char(':'), QStringLiteral("dd/mm/yyyy"),
                              QStringLiteral("hh:nn:ss"));
    InicializarControlesQov();
    // Qt's own texts (the edits' context menus, the file dialog) in Spanish, as the program's.
    if (!LoadQtTranslation(QStringLiteral("es")))
      std::fprintf(stderr, "%s\n",
                   QStringLiteral("No se encontró el catálogo de Qt en español (qtbase_es.qm) en %1: los textos "
                                  "propios de Qt quedan en inglés.")
                       .arg(QtTranslationsPath())
                       .toLocal8Bit()
                       .constData());
    AAplicacion.SetTitle(QStringLiteral("Drevalino"));
    AAplicacion.ShowMainForm = false;
    TParvenkoFrm* principal = AAplicacion.CreateForm<TParvenkoFrm>();
    AAplicacion.CreateForm<TDlgTemplateForm>();
    TqovDlgLogin* acceso = AAplicacion.CreateForm<TqovDlgLogin>();
    acceso->OnEntregarSesion = [principal](const QString& ARutaDirDatos, const QString& AServer, const QString& AUserFB,
                                           const QString& APassFB) {
      principal->SetDatosConexion(ARutaDirDatos, AServer, AUserFB, APassFB);
      principal->Show();
    };
    acceso->Show();
    AAplicacion.Run();
    return 0;
  } catch (...) {
    const QString mensaje = ExceptionMessage(std::current_exception());
    std::fprintf(stderr, "%s\n", mensaje.toLocal8Bit().constData());
    AAplicacion.ShowException(mensaje);
    return 1;
  }
}
