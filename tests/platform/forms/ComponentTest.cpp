#include <gtest/gtest.h>

#include <QPointer>
#include <QStringList>

#include "fixtures/AplicacionDePrueba.h"
#include "fixtures/ImprimirQt.h"
#include "platform/forms/Button.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"

namespace {

// A component that keeps a reference to another of its form and learns when that one goes.
class Observador : public QObject, public TComponent {
 public:
  Observador(TComponent* AOwner, QStringList& ABitacora) : QObject(), TComponent(this, AOwner), FBitacora(ABitacora) {}
  ~Observador() override { FBitacora << QStringLiteral("~") + Name(); }

  TComponent* Referido = nullptr;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override {
    TComponent::Notification(AComponent, AOperation);
    if (AOperation == opRemove && AComponent == Referido) Referido = nullptr;
  }

 private:
  QStringList& FBitacora;
};

class Propietarios : public PruebaDeVentanas {
 protected:
};

TEST_F(Propietarios, OwnerKeepsItsComponentsInCreationOrderWhateverTheirParent) {
  TForm forma(nullptr);
  auto* panel = new TLabel(&forma);
  panel->SetName(QStringLiteral("lblPanel"));
  panel->SetParent(&forma);
  auto* boton = new TButton(&forma);
  boton->SetName(QStringLiteral("btnDentro"));
  boton->SetParent(panel);  // placed inside the label, still owned by the form
  auto* otro = new TButton(&forma);
  otro->SetName(QStringLiteral("btnFuera"));

  ASSERT_EQ(forma.ComponentCount(), 3);
  EXPECT_EQ(forma.Components(0), panel);
  EXPECT_EQ(forma.Components(1), boton);
  EXPECT_EQ(forma.Components(2), otro);
  EXPECT_EQ(boton->Parent(), panel);
  EXPECT_EQ(boton->Owner(), &forma);
  EXPECT_EQ(boton->objectName(), QStringLiteral("btnDentro"));
  EXPECT_EQ(forma.FindComponent(QStringLiteral("BTNFUERA")), otro);
  EXPECT_EQ(forma.FindComponent(QStringLiteral("noHay")), nullptr);

  // Freeing the Qt parent frees the button within; the owner's list loses it.
  delete panel;
  ASSERT_EQ(forma.ComponentCount(), 1);
  EXPECT_EQ(forma.Components(0), otro);
}

TEST_F(Propietarios, OwnerDestroysWhatItOwnsLastFirst) {
  QStringList bitacora;
  auto* forma = new TForm(nullptr);
  for (const char* nombre : {"uno", "dos", "tres"}) (new Observador(forma, bitacora))->SetName(QLatin1String(nombre));
  delete forma;
  EXPECT_EQ(bitacora, (QStringList{"~tres", "~dos", "~uno"}));
}

TEST_F(Propietarios, SiblingsAndFreeNotifiesLearnOfARemoval) {
  QStringList bitacora;
  TForm forma(nullptr);
  TForm otraForma(nullptr);
  auto* hermano = new Observador(&forma, bitacora);
  auto* ajeno = new Observador(&otraForma, bitacora);
  auto* etiqueta = new TLabel(&forma);
  hermano->Referido = etiqueta;
  ajeno->Referido = etiqueta;
  etiqueta->FreeNotification(ajeno);

  delete etiqueta;
  EXPECT_EQ(hermano->Referido, nullptr);  // through the owner
  EXPECT_EQ(ajeno->Referido, nullptr);    // through FreeNotification
  EXPECT_EQ(forma.ComponentCount(), 1);
}

TEST_F(Propietarios, ChangingTheOwnerMovesTheComponentBetweenLists) {
  TForm una(nullptr);
  TForm otra(nullptr);
  auto* boton = new TButton(&una);
  boton->SetOwner(&otra);
  EXPECT_EQ(una.ComponentCount(), 0);
  ASSERT_EQ(otra.ComponentCount(), 1);
  EXPECT_EQ(boton->Owner(), &otra);
  EXPECT_EQ(TComponent::Of(boton), static_cast<TComponent*>(boton));
  QObject sinComponente;
  EXPECT_EQ(TComponent::Of(&sinComponente), nullptr);
}

}  // namespace
