#include <gtest/gtest.h>

#include <QClipboard>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QTest>
#include <map>

#include "controls/AplicacionControles.h"
#include "controls/calculator/CalculadoraForm.h"
#include "controls/dialogs/MessageForm.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Label.h"
#include "platform/forms/ModalSeam.h"
#include "platform/forms/Panel.h"
#include "platform/forms/VirtualImageList.h"

namespace {

constexpr TColor Gris235 = 0x00EBEBEB;

class VentanaCalculadora : public PruebaDeControles {
 protected:
  // Opens the calculator on AValor and hands the window to AEnVentana once it waits for the operator.
  static int Abrir(double& AValor, char AOperador, const std::function<void(TCalculadoraForm&)>& AEnVentana) {
    OnModalShown = [AEnVentana](QWidget& AVentana) { AEnVentana(dynamic_cast<TCalculadoraForm&>(AVentana)); };
    return MostrarCalculadora(nullptr, QLatin1Char(AOperador), AValor);
  }

  // Types the keys: digits, ".", "+", "-", "*", "/" and "=" as characters; E Enter, S F9, B Backspace,
  // D Delete, X Esc; C a click on the "C" panel.
  static void Teclear(TCalculadoraForm& AForma, const char* ATeclas) {
    const std::map<char, Qt::Key> teclas = {{'E', Qt::Key_Return},
                                            {'S', Qt::Key_F9},
                                            {'B', Qt::Key_Backspace},
                                            {'D', Qt::Key_Delete},
                                            {'X', Qt::Key_Escape}};
    for (const char* c = ATeclas; *c; ++c) {
      if (*c == 'C')
        QTest::mouseClick(Panel(AForma, "pnlClear"), Qt::LeftButton);
      else if (teclas.contains(*c))
        QTest::keyClick(&AForma, teclas.at(*c));
      else
        QTest::keyClick(&AForma, *c);
    }
  }

  static TPanel* Panel(TCalculadoraForm& AForma, const char* ANombre) {
    return AForma.findChild<TPanel*>(QLatin1String(ANombre));
  }
  static QString Pantalla(TCalculadoraForm& AForma) {
    return AForma.findChild<TLabel*>(QStringLiteral("lblNumero"))->Caption();
  }
};

struct CasoSecuencia {
  const char* Nombre;
  double Valor;
  char Operador;
  const char* Teclas;
  const char* Pantalla;
  TEnumOp Estado;
  int Resultado;
  double ValorFinal;
};

TEST_F(VentanaCalculadora, KeySequencesGiveTheDisplayTheStateAndTheValue) {
  const CasoSecuencia casos[] = {
      {"grouped opening value; '=' alone does nothing", 1234.5, 0, "E", "1,234.5", opSinOperacion, mrCancel, 1234.5},
      {"a typed number confirmed by two '='", 1234.5, 0, "2EE", "2", opIgual, mrOk, 2},
      {"opening with '+': the result", 100, '+', "50E", "150", opIgual, mrCancel, 100},
      {"opening with '+': confirmed", 100, '+', "50EE", "150", opIgual, mrOk, 150},
      {"sign of the second operand", 0, 0, "5+3SE", "2", opIgual, mrCancel, 0},
      {"sign of the first operand after the operator", 0, 0, "5+S3E", "-2", opIgual, mrCancel, 0},
      {"chained operators", 0, 0, "2+3*", "5", opMult, mrCancel, 0},
      {"chained operators, then '='", 0, 0, "2+3*4E", "20", opIgual, mrCancel, 0},
      {"'=' typed as a character does nothing", 0, 0, "5+3=", "3", opSuma, mrCancel, 0},
      {"division by zero", 0, 0, "5/0E", "Error", opError, mrCancel, 0},
      {"the error ignores digits, point, sign, operators and '='", 0, 0, "5/0E7.S+-*/E", "Error", opError, mrCancel, 0},
      {"an operator after a division by zero", 0, 0, "5/0+", "Error", opError, mrCancel, 0},
      {"Del ends the error", 0, 0, "5/0EB", "0", opSinOperacion, mrCancel, 0},
      {"CE ends the error", 0, 0, "5/0ED", "0", opSinOperacion, mrCancel, 0},
      {"C ends the error", 0, 0, "5/0EC", "0", opSinOperacion, mrCancel, 0},
      {"CE keeps the pending operation", 0, 0, "5+3D2E", "7", opIgual, mrCancel, 0},
      {"C drops it", 0, 0, "5+3C2E", "2", opIgual, mrCancel, 0},
      {"a point after a result starts anew", 0, 0, "1+1E.5", "0.5", opSinOperacion, mrCancel, 0},
      {"a thirteenth digit is ignored", 0, 0, "1234567890123", "123,456,789,012", opSinOperacion, mrCancel, 0},
      {"the point does not count", 0, 0, "12345678901.23", "12,345,678,901.2", opSinOperacion, mrCancel, 0},
      {"the zero of '0.' counts", 0, 0, ".123456789012", "0.12345678901", opSinOperacion, mrCancel, 0},
      {"the sign does not count", 0, 0, "12345678901S2", "-123,456,789,012", opSinOperacion, mrCancel, 0},
      {"Backspace removes the last digit", 0, 0, "123B", "12", opSinOperacion, mrCancel, 0},
      {"Backspace on -5", 0, 0, "5SB", "0", opSinOperacion, mrCancel, 0},
      {"a result below 0.00001", 0.00001, '/', "10E", "1E-6", opIgual, mrCancel, 0.00001},
      {"its sign", 0.00001, '/', "10ES", "-1E-6", opIgual, mrCancel, 0.00001},
      {"beyond twelve digits", 999999999999, '+', "1E", "Error", opError, mrCancel, 999999999999},
      {"a negative twelve-digit value opens as it is", -123456789012, 0, "", "-123,456,789,012", opSinOperacion,
       mrCancel, -123456789012},
      {"grouping of a real", 1234567.25, 0, "", "1,234,567.25", opSinOperacion, mrCancel, 1234567.25},
      {"grouping after the sign", -1234, 0, "", "-1,234", opSinOperacion, mrCancel, -1234},
      {"no group for three digits", -123, 0, "", "-123", opSinOperacion, mrCancel, -123},
      {"Esc leaves the value", 5, 0, "7X", "7", opSinOperacion, mrCancel, 5},
  };
  for (const CasoSecuencia& caso : casos) {
    SCOPED_TRACE(caso.Nombre);
    double valor = caso.Valor;
    QString pantalla;
    TEnumOp estado = opSinOperacion;
    const int resultado = Abrir(valor, caso.Operador, [&](TCalculadoraForm& AForma) {
      Teclear(AForma, caso.Teclas);
      pantalla = Pantalla(AForma);
      estado = AForma.Calculadora().Operacion();
    });
    EXPECT_EQ(pantalla, QString::fromUtf8(caso.Pantalla));
    EXPECT_EQ(estado, caso.Estado);
    EXPECT_EQ(resultado, caso.Resultado);
    EXPECT_DOUBLE_EQ(valor, caso.ValorFinal);
  }
}

TEST_F(VentanaCalculadora, AValueBeyondTwelveDigitsIsRefusedBeforeTheWindowOpens) {
  for (const double abierto : {1e12, -1e12}) {
    SCOPED_TRACE(abierto);
    QString mensaje;
    QString titulo;
    OnModalShown = [&](QWidget& AVentana) {
      auto& dialogo = dynamic_cast<TMessageForm&>(AVentana);
      titulo = dialogo.Caption();
      mensaje = dialogo.findChild<TLabel*>(QStringLiteral("Message"))->Caption();
    };
    double valor = abierto;
    EXPECT_EQ(MostrarCalculadora(nullptr, QLatin1Char('+'), valor), 0);
    EXPECT_EQ(valor, abierto);
    EXPECT_EQ(titulo, QStringLiteral("Drevalino"));
    EXPECT_EQ(mensaje, QStringLiteral("La calculadora no permite una cantidad mayor a 12 dígitos.\r"
                                      "Modifique la cantidad para continuar."));
  }
}

TEST_F(VentanaCalculadora, EnterPressesTheEqualsPanelAndActsOnRelease) {
  double valor = 0;
  Abrir(valor, 0, [](TCalculadoraForm& AForma) {
    Teclear(AForma, "2+3");
    QTest::keyPress(&AForma, Qt::Key_Return);
    EXPECT_EQ(Panel(AForma, "pnlIgual")->Color(), clActiveCaption);
    EXPECT_EQ(Pantalla(AForma), QStringLiteral("3"));
    QTest::keyRelease(&AForma, Qt::Key_Return);
    EXPECT_EQ(Pantalla(AForma), QStringLiteral("5"));
    // After a result "=" is the pending operation's panel.
    EXPECT_EQ(Panel(AForma, "pnlIgual")->Color(), clHighlight);
  });
}

TEST_F(VentanaCalculadora, PanelsTakeTheColoursOfTheMouseAndOfThePendingOperation) {
  double valor = 8;
  Abrir(valor, '+', [](TCalculadoraForm& AForma) {
    QStringList normales;
    for (TPanel* panel : AForma.findChildren<TPanel*>())
      if (panel->Name() != QLatin1String("Panel11") && panel->Name() != QLatin1String("pnlSuma") &&
          panel->Color() != Gris235)
        normales << panel->Name();
    EXPECT_EQ(normales, QStringList());
    TPanel* suma = Panel(AForma, "pnlSuma");
    EXPECT_EQ(suma->Color(), clHighlight);

    const auto entrar = [](TPanel* APanel) {
      QEnterEvent entrada(QPointF(2, 2), QPointF(2, 2), APanel->mapToGlobal(QPointF(2, 2)));
      QCoreApplication::sendEvent(APanel, &entrada);
    };
    const auto salir = [](TPanel* APanel) {
      QEvent salida(QEvent::Leave);
      QCoreApplication::sendEvent(APanel, &salida);
    };
    TPanel* siete = Panel(AForma, "Panel7");
    entrar(siete);
    EXPECT_EQ(siete->Color(), cl3DLight);
    QTest::mousePress(siete, Qt::LeftButton);
    EXPECT_EQ(siete->Color(), clInactiveBorder);
    QTest::mouseRelease(siete, Qt::LeftButton);
    EXPECT_EQ(siete->Color(), cl3DLight);
    EXPECT_EQ(Pantalla(AForma), QStringLiteral("7"));
    salir(siete);
    EXPECT_EQ(siete->Color(), Gris235);

    // The highlighted operator keeps its colour under the mouse.
    entrar(suma);
    EXPECT_EQ(suma->Color(), clHighlight);
    salir(suma);
    EXPECT_EQ(suma->Color(), clHighlight);

    // A click on an operator computes and moves the highlight.
    TPanel* por = Panel(AForma, "pnlMult");
    QTest::mousePress(por, Qt::LeftButton);
    EXPECT_EQ(por->Color(), clActiveCaption);
    QTest::mouseRelease(por, Qt::LeftButton);
    EXPECT_EQ(Pantalla(AForma), QStringLiteral("15"));
    EXPECT_EQ(por->Color(), clHighlight);
    EXPECT_EQ(suma->Color(), Gris235);

    // Keys paint the panel pressed and put it back on release.
    QTest::keyPress(&AForma, Qt::Key_4);
    EXPECT_EQ(Panel(AForma, "Panel4")->Color(), clInactiveBorder);
    QTest::keyRelease(&AForma, Qt::Key_4);
    EXPECT_EQ(Panel(AForma, "Panel4")->Color(), Gris235);
    QTest::keyPress(&AForma, Qt::Key_Backspace);
    EXPECT_EQ(Panel(AForma, "pnlDelete")->Color(), clInactiveBorder);
    QTest::keyRelease(&AForma, Qt::Key_Backspace);
    EXPECT_EQ(Panel(AForma, "pnlDelete")->Color(), Gris235);

    // A click on "=" computes and highlights it.
    QTest::keyClick(&AForma, '2');
    QTest::mouseClick(Panel(AForma, "pnlIgual"), Qt::LeftButton);
    EXPECT_EQ(Pantalla(AForma), QStringLiteral("30"));
    EXPECT_EQ(Panel(AForma, "pnlIgual")->Color(), clHighlight);
    EXPECT_EQ(por->Color(), Gris235);
  });
}

TEST_F(VentanaCalculadora, CopyPutsTheGroupedDisplayOnTheClipboard) {
  double valor = 1234567.5;
  Abrir(valor, 0, [](TCalculadoraForm& AForma) {
    auto* copiar = dynamic_cast<TMenuItem*>(AForma.FindComponent(QStringLiteral("miCopiar")));
    ASSERT_NE(copiar, nullptr);
    EXPECT_EQ(copiar->Caption(), QStringLiteral("&Copiar"));
    EXPECT_EQ(copiar->ImageIndex(), 2);
    copiar->Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("1,234,567.5"));
    Teclear(AForma, "1/0E");
    copiar->Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Error"));
  });
}

TEST_F(VentanaCalculadora, TheWindowHoldsTheDisplayAndTwentyPanelsInTheirCells) {
  double valor = 0;
  Abrir(valor, 0, [](TCalculadoraForm& AForma) {
    EXPECT_EQ(AForma.Caption(), QStringLiteral("Calculadora"));
    EXPECT_EQ(AForma.ClientWidth(), 199);
    EXPECT_EQ(AForma.ClientHeight(), 294);
    const struct {
      const char* Nombre;
      const char* Caption;
      QRect Celda;
    } paneles[] = {
        {"pnlCE", "CE", {0, 0, 50, 50}},         {"pnlDiv", "÷", {150, 0, 50, 50}},
        {"pnlMult", "×", {150, 50, 50, 50}},     {"Panel5", "5", {50, 100, 50, 50}},
        {"pnlSigno", "+/-", {0, 200, 50, 50}},   {"pnlIgual", "=", {150, 200, 50, 50}},
        {"pnlDecimal", ".", {100, 200, 50, 50}},
    };
    for (const auto& p : paneles) {
      TPanel* panel = Panel(AForma, p.Nombre);
      ASSERT_NE(panel, nullptr) << p.Nombre;
      EXPECT_EQ(panel->Caption(), QString::fromUtf8(p.Caption));
      EXPECT_EQ(panel->BoundsRect(), p.Celda) << p.Nombre;
      EXPECT_EQ(panel->Parent()->objectName(), QStringLiteral("Panel11"));
    }
    EXPECT_EQ(AForma.findChildren<TPanel*>().size(), 21);
    // The popup menu's icons: a disabled item shows its "_Disabled" icon, not a grey one.
    auto* imagenes = dynamic_cast<TVirtualImageList*>(AForma.FindComponent(QStringLiteral("edtImgList16")));
    ASSERT_NE(imagenes, nullptr);
    EXPECT_FALSE(imagenes->DisabledGrayscale());
    EXPECT_EQ(imagenes->DisabledSuffix(), QStringLiteral("_Disabled"));
  });
}

}  // namespace
