#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/session/ExceptionBaseDatos.h"
#include "fixtures/ImprimirQt.h"
#include "fixtures/SesionDePrueba.h"

namespace {

// Senders of two classes, as the forms that open transactions are.
class TqovDlgPrueba : public QObject {
  Q_OBJECT
};

class TqovFrmOtra : public QObject {
  Q_OBJECT
};

TEST(TqovException, KeepsCodeClassOperationAndReference) {
  try {
    throw TqovExceptionBaseDatos("Sin acceso", 4, "TqovSesionBDFirebird", "Conectar", "");
  } catch (const TqovException& e) {
    EXPECT_EQ(e.Message(), "Sin acceso");
    EXPECT_EQ(e.CodigoError(), 4);
    EXPECT_EQ(e.Clase(), "TqovSesionBDFirebird");
    EXPECT_EQ(e.Operacion(), "Conectar");
    EXPECT_TRUE(e.Referencia().isEmpty());
  }

  const TqovException corta("", 10, "SEMAFORO_1");
  EXPECT_TRUE(corta.Message().isEmpty());
  EXPECT_EQ(corta.CodigoError(), 10);
  EXPECT_TRUE(corta.Clase().isEmpty());
  EXPECT_TRUE(corta.Operacion().isEmpty());
  EXPECT_EQ(corta.Referencia(), "SEMAFORO_1");
}

TEST(TqovParametrosLineaComando, ReadsTheFivePositionalParameters) {
  const struct {
    QStringList argumentos;
    QString databasePath;
    int empresaId;
    QString usuario, password, nombreConexion;
  } casos[] = {
      {{}, "", 0, "", "", ""},
      {{"/opt/qov/programa"}, "", 0, "", "", ""},
      {{"programa", "/datos/", "15", "ANA", "clave 1", "Oficina central", "sobra"},
       "/datos/",
       15,
       "ANA",
       "clave 1",
       "Oficina central"},
      {{"programa", "/datos/", "", "ANA"}, "/datos/", 0, "ANA", "", ""},
      {{"programa", "/datos/", "-3"}, "/datos/", -3, "", "", ""},
  };
  for (const auto& caso : casos) {
    const ArgumentosDePrueba argumentos(caso.argumentos);
    const TqovParametrosLineaComando parametros;
    EXPECT_EQ(parametros.DatabasePath(), caso.databasePath) << caso.argumentos.join(' ').toStdString();
    EXPECT_EQ(parametros.EmpresaId(), caso.empresaId) << caso.argumentos.join(' ').toStdString();
    EXPECT_EQ(parametros.Usuario(), caso.usuario);
    EXPECT_EQ(parametros.Password(), caso.password);
    EXPECT_EQ(parametros.NombreConexion(), caso.nombreConexion);
  }
}

TEST(TqovParametrosLineaComando, ACompanyThatIsNotANumberIsAConversionError) {
  const ArgumentosDePrueba argumentos({"programa", "/datos/", "1a"});
  EXPECT_THROW(TqovParametrosLineaComando(), EConvertError);
}

TEST(TqovParametrosLineaComando, TheApplicationObjectsArgumentsComeFirst) {
  const ArgumentosDePrueba establecidos({"programa", "/otros/", "", "", "", "Establecida"});
  int argc = 6;
  char programa[] = "programa", ruta[] = "/datos/", empresa[] = "7", usuario[] = "ANA", clave[] = "x",
       conexion[] = "Matriz";
  char* argv[] = {programa, ruta, empresa, usuario, clave, conexion, nullptr};
  const QCoreApplication aplicacion(argc, argv);
  const TqovParametrosLineaComando parametros;
  EXPECT_EQ(parametros.DatabasePath(), "/datos/");
  EXPECT_EQ(parametros.EmpresaId(), 7);
  EXPECT_EQ(parametros.NombreConexion(), "Matriz");
}

TEST(TqovSesionBD, TheClassNameIsTheOneTheCodeDefines) {
  const TqovDlgPrueba dialogo;
  const TqovSesionBDFirebird sesion;
  const QObject& comoObjeto = sesion;
  EXPECT_EQ(NombreDeClase(dialogo), "TqovDlgPrueba");
  EXPECT_EQ(NombreDeClase(comoObjeto), "TqovSesionBDFirebird");
}

TEST(TqovSesionBD, TheGuardBelongsToTheClassThatStarted) {
  TqovSesionBDFirebird sesion;
  const TqovDlgPrueba a, otraA;
  const TqovFrmOtra b;

  // Ending with the guard free does nothing.
  EXPECT_FALSE(sesion.TerminaTranUnica(a));
  EXPECT_FALSE(sesion.TranUnica());

  // A starts; B can neither start nor end it; A ends it.
  EXPECT_TRUE(sesion.IniciaTranUnica(a));
  EXPECT_TRUE(sesion.TranUnica());
  EXPECT_FALSE(sesion.IniciaTranUnica(b));
  EXPECT_FALSE(sesion.TerminaTranUnica(b));
  EXPECT_TRUE(sesion.TranUnica());
  EXPECT_TRUE(sesion.TerminaTranUnica(a));
  EXPECT_FALSE(sesion.TranUnica());

  // Another object of A's class counts as A: its nested start is ignored, its end ends.
  EXPECT_TRUE(sesion.IniciaTranUnica(a));
  EXPECT_FALSE(sesion.IniciaTranUnica(otraA));
  EXPECT_TRUE(sesion.TerminaTranUnica(otraA));
  EXPECT_FALSE(sesion.TranUnica());

  // B may start once the guard is free.
  EXPECT_TRUE(sesion.IniciaTranUnica(b));
  EXPECT_FALSE(sesion.TerminaTranUnica(a));
  EXPECT_TRUE(sesion.TerminaTranUnica(b));
}

}  // namespace

#include "SesionBDTest.moc"
