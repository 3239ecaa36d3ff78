#include <gtest/gtest.h>

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <functional>

#include "core/dataaccess/ParametrosCapturaQov.h"
#include "fixtures/ImprimirQt.h"
#include "platform/rtl/Exception.h"

namespace {

const QString Escape = QChar(0x1E) + QStringLiteral("qov") + QChar(0x1F);

QByteArray Leer(const QString& ARuta) {
  QFile archivo(ARuta);
  EXPECT_TRUE(archivo.open(QIODevice::ReadOnly)) << ARuta.toStdString();
  return archivo.readAll();
}

void Escribir(const QString& ARuta, const QByteArray& ADatos) {
  QFile archivo(ARuta);
  ASSERT_TRUE(archivo.open(QIODevice::WriteOnly)) << ARuta.toStdString();
  archivo.write(ADatos);
}

QString MensajeDe(const std::function<void()>& AAccion) {
  try {
    AAccion();
  } catch (const Exception& e) {
    return e.Message();
  }
  return QStringLiteral("(sin excepción)");
}

}  // namespace

TEST(ParametrosCaptura, ValuesAreSetByNameWithoutRegardToCase) {
  TqovParametrosCaptura lista;
  lista.SetParamValue(QStringLiteral("Cliente"), QStringLiteral("5"), QString());
  lista.SetParamValue(QStringLiteral("ALMACEN"), QStringLiteral("a=b"), QString());
  lista.SetParamValue(QStringLiteral("CLIENTE"), QStringLiteral("7"), QString());
  EXPECT_EQ(lista.ParamsText(), QStringLiteral("Cliente=7\r\nALMACEN=a=b\r\n"));
  EXPECT_EQ(lista.GetParamValue(QStringLiteral("almacen")), QStringLiteral("a=b"));
  EXPECT_EQ(lista.GetParamValue(QStringLiteral("FALTA")), QString());

  lista.SetCaseSensitive(true);
  EXPECT_FALSE(lista.ParamExists(QStringLiteral("CLIENTE")));
  lista.SetParamValue(QStringLiteral("CLIENTE"), QStringLiteral("9"), QString());
  EXPECT_EQ(lista.Count(), 3);
  EXPECT_EQ(lista.GetParamValue(QStringLiteral("Cliente")), QStringLiteral("7"));
}

TEST(ParametrosCaptura, AnEmptyValueKeepsTheEntryAndDeleteRemovesIt) {
  TqovParametrosCaptura lista;
  lista.SetParamValue(QStringLiteral("X"), QStringLiteral("5"), QStringLiteral("P"));
  lista.SetParamValue(QStringLiteral("x"), QString(), QString());
  EXPECT_TRUE(lista.ParamExists(QStringLiteral("X")));
  EXPECT_EQ(lista.ParamsText(), QStringLiteral("X=\r\n@Pre:X=P\r\n"));
  lista.DeleteParam(QStringLiteral("X"));
  lista.DeleteParam(QStringLiteral("Y"));
  EXPECT_FALSE(lista.ParamExists(QStringLiteral("X")));
  EXPECT_EQ(lista.ParamsText(), QStringLiteral("@Pre:X=P\r\n"));
}

TEST(ParametrosCaptura, LineBreaksAreStoredEscapedAndReadBackAsCrLf) {
  TqovParametrosCaptura lista;
  lista.SetParamValue(QStringLiteral("NOTE"), QStringLiteral("a\r\nb\rc\nd"), QString());
  EXPECT_EQ(lista.ParamsText(), QStringLiteral("NOTE=a") + Escape + QStringLiteral("b") + Escape + QStringLiteral("c") +
                                    Escape + QStringLiteral("d\r\n"));
  EXPECT_EQ(lista.GetParamValue(QStringLiteral("NOTE")), QStringLiteral("a\r\nb\r\nc\r\nd"));
  EXPECT_EQ(lista.GetParamValue(0), QStringLiteral("a\r\nb\r\nc\r\nd"));

  // A name with a line break stays one line and is found again by the same name.
  const QString nombre = QStringLiteral("DOS\r\nLINEAS\n");
  lista.SetParamValue(nombre, QStringLiteral("1"), QStringLiteral("P"));
  EXPECT_EQ(lista.GetParamName(1), QStringLiteral("DOS") + Escape + QStringLiteral("LINEAS") + Escape);
  EXPECT_EQ(lista.GetParamValue(nombre), QStringLiteral("1"));
  EXPECT_EQ(lista.GetParamPrecedencia(nombre), QStringLiteral("P"));
  EXPECT_EQ(lista.ParamsText().count(QStringLiteral("\r\n")), lista.Count());
}

TEST(ParametrosCaptura, PrecedenceDefaultsAndErrors) {
  TqovParametrosCaptura lista;
  lista.SetParamValue(QStringLiteral("X"), QStringLiteral("5"), QStringLiteral("P"));
  lista.SetParamValue(QStringLiteral("Y"), QStringLiteral("6"), QString());
  EXPECT_EQ(lista.GetParamPrecedencia(QStringLiteral("X")), QStringLiteral("P"));
  EXPECT_EQ(lista.GetParamPrecedencia(QStringLiteral("Y")), QStringLiteral("U"));
  lista.PrecedenciaDefault = QStringLiteral("P");
  EXPECT_EQ(lista.GetParamPrecedencia(QStringLiteral("Y")), QStringLiteral("P"));
  EXPECT_EQ(lista.GetParamPrecedencia(QStringLiteral("@Pre:X")), QStringLiteral("P"));
  EXPECT_EQ(lista.GetParamPrecedencia(QStringLiteral("@Pre:Y")), QString());  // no default for the entry itself
  EXPECT_EQ(lista.GetParamPrecedencia(0), QStringLiteral("P"));

  lista.SetParamPrecedencia(QStringLiteral("Y"), QStringLiteral("Usuario"));  // only the first letter is checked
  EXPECT_EQ(lista.GetParamPrecedencia(QStringLiteral("Y")), QStringLiteral("Usuario"));

  const QString antes = lista.ParamsText();
  EXPECT_EQ(MensajeDe([&] { lista.SetParamPrecedencia(QStringLiteral("Z"), QStringLiteral("U")); }),
            QStringLiteral("Error en TqovParametrosCaptura.SetParamPrecedencia, el parámetro Z no existe."));
  for (const char* precedencia : {"p", "", "A", " P"})
    EXPECT_EQ(MensajeDe([&] { lista.SetParamPrecedencia(QStringLiteral("X"), QString::fromUtf8(precedencia)); }),
              QStringLiteral("Error en TqovParametrosCaptura.SetParamPrecedencia, la precedencia es incorrecta."))
        << precedencia;
  EXPECT_EQ(lista.ParamsText(), antes);
}

TEST(ParametrosCaptura, IndexedGettersCheckTheIndex) {
  TqovParametrosCaptura lista;
  lista.SetParamValue(QStringLiteral("A"), QStringLiteral("1"), QString());
  lista.SetParamsText(QStringLiteral("A=1\r\nsin igual\r\n"));
  EXPECT_EQ(lista.GetParamName(0), QStringLiteral("A"));
  EXPECT_EQ(lista.GetParamName(1), QString());
  const QString fuera = QStringLiteral("Error en TqovParametrosCaptura. Indice fuera de rango.");
  for (const int indice : {-1, lista.Count()}) {
    EXPECT_EQ(MensajeDe([&] { lista.GetParamName(indice); }), fuera) << indice;
    EXPECT_EQ(MensajeDe([&] { lista.GetParamValue(indice); }), fuera) << indice;
    EXPECT_EQ(MensajeDe([&] { lista.GetParamPrecedencia(indice); }), fuera) << indice;
    EXPECT_EQ(MensajeDe([&] { lista.GetParamObject(indice); }), fuera) << indice;
  }
}

TEST(ParametrosCaptura, CalcParamDefault) {
  const struct {
    const char* valor;
    const char* precedencia;
    const char* ultimo;
    const char* resultado;
  } casos[] = {
      {"5", "U", "7", "7"},    {"5", "U", "", "5"},     {"5", "P", "7", "5"},    {"", "P", "7", "7"},
      {"@null", "U", "7", ""}, {"@NULL", "P", "7", ""}, {"5", "Pxyz", "7", "7"},  // only the precedence "P" itself puts
                                                                                  // the stored value first
  };
  for (const auto& caso : casos) {
    TqovParametrosCaptura lista;
    lista.SetParamValue(QStringLiteral("X"), QString::fromUtf8(caso.valor), QString::fromUtf8(caso.precedencia));
    EXPECT_EQ(lista.CalcParamDefault(QStringLiteral("X"), QString::fromUtf8(caso.ultimo)),
              QString::fromUtf8(caso.resultado))
        << caso.valor << " " << caso.precedencia << " " << caso.ultimo;
  }
  TqovParametrosCaptura vacia;
  EXPECT_EQ(vacia.CalcParamDefault(QStringLiteral("X"), QStringLiteral("7")), QStringLiteral("7"));
}

TEST(ParametrosCaptura, AttachedObjectsAreFreedOnlyByClearTrueAndTheDestructor) {
  QObject* uno = new QObject;
  QObject* dos = new QObject;
  QPointer<QObject> vigilaUno(uno);
  QPointer<QObject> vigilaDos(dos);
  QObject suelto;
  {
    TqovParametrosCaptura lista;
    lista.SetParamObject(QStringLiteral("A"), uno);  // adds A=
    lista.SetParamObject(QStringLiteral("B"), dos);
    lista.SetParamObject(QStringLiteral("C"), dos);  // the same object twice is freed once
    EXPECT_EQ(lista.ParamsText(), QStringLiteral("A=\r\nB=\r\nC=\r\n"));
    EXPECT_EQ(lista.GetParamObject(QStringLiteral("a")), uno);
    EXPECT_EQ(lista.GetParamObject(2), dos);
    EXPECT_EQ(lista.GetParamObject(QStringLiteral("Z")), nullptr);

    lista.SetParamObject(QStringLiteral("D"), &suelto);
    lista.DeleteParam(QStringLiteral("D"));  // dropped, not freed
    lista.Clear(false);
    EXPECT_EQ(lista.Count(), 0);
    EXPECT_TRUE(vigilaUno);

    lista.SetParamObject(QStringLiteral("A"), uno);
    lista.SetParamObject(QStringLiteral("B"), dos);
    lista.SetParamObject(QStringLiteral("C"), dos);
  }
  EXPECT_FALSE(vigilaUno);
  EXPECT_FALSE(vigilaDos);

  TqovParametrosCaptura lista;
  {
    QObject breve;
    lista.SetParamObject(QStringLiteral("A"), &breve);
  }
  EXPECT_EQ(lista.GetParamObject(QStringLiteral("A")), nullptr);  // destroyed elsewhere: not freed again
  lista.SetParamValue(QStringLiteral("B"), QStringLiteral("1"), QString());
  lista.SetParamObject(QStringLiteral("B"), new QObject);
  QPointer<QObject> tres(lista.GetParamObject(QStringLiteral("B")));
  lista.SetParamsText(QStringLiteral("X=1"));  // writing the text frees the objects
  EXPECT_FALSE(tres);
  EXPECT_EQ(lista.ParamsText(), QStringLiteral("X=1\r\n"));
}

TEST(ParametrosCaptura, ParamsTextSplitsAtEveryKindOfLineBreak) {
  TqovParametrosCaptura lista;
  const struct {
    const char* texto;
    const char* resultado;
    int cuenta;
  } casos[] = {
      {"", "", 0},
      {"A=1", "A=1\r\n", 1},
      {"A=1\r\nB=2\nC=3\rD=4\r\n", "A=1\r\nB=2\r\nC=3\r\nD=4\r\n", 4},
      {"\r\n\r\n", "\r\n\r\n", 2},
  };
  for (const auto& caso : casos) {
    lista.SetParamsText(QString::fromUtf8(caso.texto));
    EXPECT_EQ(lista.ParamsText(), QString::fromUtf8(caso.resultado)) << caso.texto;
    EXPECT_EQ(lista.Count(), caso.cuenta) << caso.texto;
  }
}

TEST(ParametrosCaptura, SaveToFileWritesLatin1LinesEndedByCrLf) {
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("parametros.txt"));
  TqovParametrosCaptura lista;
  lista.SetParamValue(QStringLiteral("AÑO"), QStringLiteral("línea 1\nlínea 2"), QStringLiteral("P"));
  lista.SetParamValue(QStringLiteral("B"), QString(), QString());
  QString mensaje = QStringLiteral("sin cambio");
  ASSERT_TRUE(lista.SaveToFile(ruta, mensaje));
  EXPECT_EQ(mensaje, QStringLiteral("sin cambio"));
  EXPECT_EQ(Leer(ruta), QByteArray("A\xD1O=l\xEDnea 1\x1Eqov\x1Fl\xEDnea 2\r\n@Pre:A\xD1O=P\r\nB=\r\n"));

  TqovParametrosCaptura leida;
  leida.SetParamValue(QStringLiteral("VIEJO"), QStringLiteral("1"), QString());
  ASSERT_TRUE(leida.LoadFromFile(ruta));
  EXPECT_EQ(leida.ParamsText(), lista.ParamsText());
  EXPECT_EQ(leida.GetParamValue(QStringLiteral("año")), QStringLiteral("línea 1\r\nlínea 2"));
  EXPECT_EQ(leida.CalcParamDefault(QStringLiteral("AÑO"), QStringLiteral("7")), QStringLiteral("línea 1\r\nlínea 2"));
}

TEST(ParametrosCaptura, SaveToFileOfAnEmptyListWritesNothing) {
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("vacia.txt"));
  TqovParametrosCaptura lista;
  QString mensaje;
  EXPECT_FALSE(lista.SaveToFile(ruta, mensaje));
  EXPECT_EQ(mensaje, QStringLiteral(
                         "No fue posible guardar el archivo, debido a que la lista de parámetros se encuentra vacía"));
  EXPECT_FALSE(QFile::exists(ruta));
}

TEST(ParametrosCaptura, AFileWithAByteOrderMarkIsWrittenBackInItsEncoding) {
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath(QStringLiteral("p.txt"));
  const struct {
    const char* nombre;
    QByteArray datos;
  } casos[] = {
      {"UTF-8", QByteArray("\xEF\xBB\xBF"
                           "A=\xE2\x82\xAC\r\n")},
      {"UTF-16LE", QByteArray("\xFF\xFE"
                              "A\0=\0\xAC\x20\r\0\n\0",
                              12)},
      {"UTF-16BE", QByteArray("\xFE\xFF"
                              "\0A\0=\x20\xAC\0\r\0\n",
                              12)},
  };
  for (const auto& caso : casos) {
    Escribir(ruta, caso.datos);
    TqovParametrosCaptura lista;
    ASSERT_TRUE(lista.LoadFromFile(ruta)) << caso.nombre;
    EXPECT_EQ(lista.GetParamValue(QStringLiteral("A")), QStringLiteral(u"\u20AC")) << caso.nombre;
    QString mensaje;
    QFile::remove(ruta);
    ASSERT_TRUE(lista.SaveToFile(ruta, mensaje)) << caso.nombre;
    EXPECT_EQ(Leer(ruta), caso.datos) << caso.nombre;
  }
  // A later load of a file without a mark goes back to ISO-8859-1.
  TqovParametrosCaptura lista;
  Escribir(ruta, casos[0].datos);
  lista.LoadFromFile(ruta);
  Escribir(ruta, QByteArray("A=\xE1\r\n"));
  lista.LoadFromFile(ruta);
  QString mensaje;
  ASSERT_TRUE(lista.SaveToFile(ruta, mensaje));
  EXPECT_EQ(Leer(ruta), QByteArray("A=\xE1\r\n"));
}

TEST(ParametrosCaptura, FileErrorsPropagateAndAFailedLoadKeepsTheList) {
  QTemporaryDir carpeta;
  TqovParametrosCaptura lista;
  lista.SetParamValue(QStringLiteral("A"), QStringLiteral("1"), QString());
  QString mensaje;
  EXPECT_THROW(lista.SaveToFile(carpeta.filePath(QStringLiteral("no/hay/carpeta.txt")), mensaje), EFileError);
  EXPECT_THROW(lista.LoadFromFile(carpeta.filePath(QStringLiteral("falta.txt"))), EFileError);
  EXPECT_EQ(lista.ParamsText(), QStringLiteral("A=1\r\n"));
}
