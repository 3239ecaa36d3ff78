// The program from start to end through its two windows: the start-up, the sign-in and the main window's run.
// Each test runs the program's start-up in a process of its own (the program ends its application).

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <clocale>

#include "app/dialogs/DlgLogin.h"
#include "app/inicio/Programa.h"
#include "app/main/VentanaDePrueba.h"
#include "controls/basic/ButtonQov.h"
#include "controls/basic/LabelQov.h"
#include "controls/edits/DBComboBoxQov.h"
#include "controls/edits/DBEditQov.h"
#include "core/settings/ConexionesQov.h"
#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaDatos.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/CarpetasAjustes.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Edit.h"
#include "platform/os/ProcessRunner.h"

namespace {

// Writes down whether a main window was ever shown.
class OjoVentanaPrincipal : public QObject {
 public:
  bool Mostrada = false;

 protected:
  bool eventFilter(QObject* AObjeto, QEvent* AEvento) override {
    if (AEvento->type() == QEvent::Show && qobject_cast<TParvenkoFrm*>(AObjeto)) Mostrada = true;
    return false;
  }
};

// Settings folders of the test's own, a working folder whose gstat reports the fixtures' older databases as
// ODS 11.2, the realistic data folder, and the installed older server.
class Programa : public CarpetasAjustes {
 protected:
  Programa() {
    setlocale(LC_CTYPE, "C.UTF-8");
    AplicacionDePrueba();
    carpeta.UsarGstat(HerramientaDePrueba("gstat-ods11"));
    qApp->installEventFilter(&ojo);
  }
  ~Programa() override { qApp->removeEventFilter(&ojo); }

  // Runs APasos once the program waits for the operator, and the program until it ends.
  int Ejecutar(std::function<void()> APasos) {
    QTimer::singleShot(0, qApp, std::move(APasos));
    return EjecutarDrevalino(*Application);
  }

  // Signs in with the profile "Oficina" of the data folder.
  void GuardarPerfil() {
    TqovConexiones conexiones;
    QStringList nombres;
    conexiones.GetNames(nombres);
    ASSERT_TRUE(conexiones.Add("Oficina", taLocal, {}, prTCP, datos.Ruta()));
    conexiones.Save();
  }
  // Signs in with that profile and returns the main window it shows, its list loaded unless AEsperarLista is
  // false.
  static TParvenkoFrm* Entrar(bool AEsperarLista = true) {
    TqovDlgLogin* acceso = Acceso();
    if (!acceso) return nullptr;
    acceso->cmbxConexion->SetItemIndex(acceso->cmbxConexion->Items().indexOf("Oficina"));
    acceso->edtPassword->SetText(ClaveSysdbaServidor());
    QTest::mouseClick(acceso->btnAceptar, Qt::LeftButton);
    auto* principal = dynamic_cast<TParvenkoFrm*>(Application->MainForm());
    if (principal && AEsperarLista) EsperarLista(*principal);
    return principal;
  }
  static QList<QWidget*> Visibles() {
    QList<QWidget*> visibles;
    for (QWidget* ventana : QApplication::topLevelWidgets())
      if (ventana->isVisible()) visibles << ventana;
    return visibles;
  }

  static TqovDlgLogin* Acceso() {
    for (QWidget* ventana : QApplication::topLevelWidgets())
      if (auto* acceso = qobject_cast<TqovDlgLogin*>(ventana); acceso && acceso->isVisible()) return acceso;
    return nullptr;
  }

  CarpetaTrabajo carpeta;
  CarpetaDatos datos{carpeta.Datos()};
  const QString gbak = InstalarServidorAnterior(carpeta.Raiz() + "/firebird anterior", HerramientaFirebird3("isql"));
  OjoVentanaPrincipal ojo;
};

TEST_F(Programa, CancelAtSignInEndsTheProgramWithoutTheMainWindow) {
  bool mostrado = false;
  EXPECT_EQ(Ejecutar([&] {
              TqovDlgLogin* acceso = Acceso();
              ASSERT_NE(acceso, nullptr);
              mostrado = true;
              acceso->btnCancelar->Click();
            }),
            0);
  EXPECT_TRUE(mostrado);
  EXPECT_FALSE(ojo.Mostrada);
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(Programa, CancelInTheMainWindowOutsideARunEndsTheProgram) {
  GuardarPerfil();
  EXPECT_EQ(Ejecutar([&] {
              TParvenkoFrm* principal = Entrar();
              ASSERT_NE(principal, nullptr);
              ASSERT_TRUE(principal->isVisible());
              principal->btnCancelar->Click();
            }),
            0);
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(Programa, CancelWhileTheListLoadsEndsTheProgramOnceTheLoadHasStopped) {
  GuardarPerfil();
  QStringList filas;
  EXPECT_EQ(Ejecutar([&] {
              TParvenkoFrm* principal = Entrar(false);
              ASSERT_NE(principal, nullptr);
              // Shown before its list; the click comes after the load has begun, while it handles events.
              ASSERT_TRUE(principal->isVisible());
              EXPECT_EQ(FilasDe(*principal), QStringList{});
              QMetaObject::invokeMethod(principal->btnCancelar, "click", Qt::QueuedConnection);
              ProcesarEventos();
              EXPECT_FALSE(principal->Cargando());
              filas = FilasDe(*principal);
            }),
            0);
  EXPECT_TRUE(Application->Terminated());
  // The click came as the list was read: the load stopped before the first company.
  EXPECT_EQ(filas, QStringList{});
}

// The edits' context menus and the file dialog, which Qt draws itself.
TEST_F(Programa, QtsOwnTextsAreSpanish) {
  QStringList menu;
  QStringList botones;
  EXPECT_EQ(Ejecutar([&] {
              TqovDlgLogin* acceso = Acceso();
              ASSERT_NE(acceso, nullptr);
              QLineEdit edicion(acceso);
              const std::unique_ptr<QMenu> contextual(edicion.createStandardContextMenu());
              for (const QAction* accion : contextual->actions())
                if (!accion->isSeparator()) menu << accion->text().section('\t', 0, 0);
              QFileDialog archivos(acceso);
              archivos.setOption(QFileDialog::DontUseNativeDialog);
              for (const QPushButton* boton : archivos.findChildren<QPushButton*>()) botones << boton->text();
              acceso->btnCancelar->Click();
            }),
            0);
  EXPECT_EQ(menu,
            (QStringList{"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar", "Borrar", "Seleccionar todo"}));
  EXPECT_EQ(botones, (QStringList{"&Abrir", "Cancelar"}));
}

// The real gstat's header report of the file.
QString Gstat(const QString& ARuta) {
  const QString salida = QDir::temp().filePath("gstat-programa.txt");
  ProcessHandle proceso = 0;
  EjecutarProceso({"fbstat", {"-h", ARuta}, {}, salida}, proceso);
  QFile archivo(salida);
  archivo.open(QIODevice::ReadOnly);
  return QString::fromUtf8(archivo.readAll());
}

TEST_F(Programa, SignInConvertTheSelectedCompaniesAndShowWhatIsLeft) {
  GuardarPerfil();
  const QStringList convertidas = {"COMERCIAL SUR", "EMPRESA1"};
  QMap<QString, QMap<QString, QString>> datosAntes;
  QMap<QString, QString> metadatosAntes;
  for (const QString& base : convertidas + QStringList{"Config"}) {
    const QString ruta = base == "Config" ? datos.Config() : datos.Empresa(base);
    datosAntes[base] = HuellaDatos(ruta);
    metadatosAntes[base] = Metadatos(ruta);
  }
  const QByteArray zapateria = HuellaArchivo(datos.Empresa("ZAPATERIA"));

  const int codigo = Ejecutar([&] {
    TParvenkoFrm* principal = Entrar();
    ASSERT_NE(principal, nullptr);
    ASSERT_TRUE(principal->isVisible());
    EXPECT_EQ(Visibles(), QList<QWidget*>{principal});

    EXPECT_EQ(FilasDe(*principal), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:S"}));
    EXPECT_EQ(principal->lblTotal->Caption(), "3 empresas/3 seleccionadas");
    EXPECT_EQ(ImagenTituloDe(*principal), 229);
    MarcarEmpresa(*principal, "ZAPATERIA");
    EXPECT_EQ(principal->lblTotal->Caption(), "3 empresas/2 seleccionadas");
    EXPECT_EQ(ImagenTituloDe(*principal), 228);
    principal->edtGbak->SetText(gbak);
    QTest::mouseClick(principal->btnMigrarBD, Qt::LeftButton);

    QStringList esperado = Verificacion({"Config", "COMERCIAL SUR", "EMPRESA1"});
    for (const QString& base : QStringList{"Config"} + convertidas) esperado += EmpresaConvertida(base);
    esperado +=
        Resumen({"El proceso de conversión terminó correctamente.", "Se convirtieron correctamente 3 bases de datos."});
    EXPECT_EQ(RegistroDe(*principal), esperado);
    // The grid shows what is left.
    EXPECT_EQ(FilasDe(*principal), QStringList{"ZAPATERIA:S"});
    EXPECT_EQ(principal->lblTotal->Caption(), "1 empresa/1 seleccionada");
    principal->Close();
  });
  EXPECT_EQ(codigo, 0);
  EXPECT_TRUE(ojo.Mostrada);

  for (const QString& base : convertidas + QStringList{"Config"}) {
    SCOPED_TRACE(base.toStdString());
    const bool config = base == "Config";
    const QString ruta = config ? datos.Config() : datos.Empresa(base);
    EXPECT_TRUE(Gstat(ruta).contains("ODS version\t\t12.0"));
    EXPECT_EQ(HuellaDatos(ruta), datosAntes[base]);
    EXPECT_EQ(Metadatos(ruta), metadatosAntes[base]);
    const QString sub = config ? "System/" : "";
    EXPECT_EQ(HuellaDatos(datos.Ruta() + "ArchivarBDAnterior2019/" + sub + base + ".fdb"), datosAntes[base]);
    EXPECT_GT(QFileInfo(datos.Ruta() + "Respaldos/" + sub + base + "_MIGRACION_2019.fbk").size(), 0);
    for (const char* paso : {"_RESPALDAR.txt", "_RESTAURAR.txt"})
      EXPECT_EQ(QDir(carpeta.Log()).entryList({"*_" + base + paso}).size(), 1) << paso;
  }
  EXPECT_TRUE(QFile::exists(datos.Ruta() + "ArchivarBDAnterior2019/leame.txt"));
  EXPECT_EQ(HuellaArchivo(datos.Empresa("ZAPATERIA")), zapateria);
}

}  // namespace
