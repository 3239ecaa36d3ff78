#include "app/dialogs/DlgTemplateFrm.h"

#include <QGuiApplication>
#include <QScreen>

#include "controls/basic/ButtonQov.h"
#include "controls/menus/PopupMenusQov.h"
#include "controls/scaling/EscalamientoFuncsQov.h"
#include "core/dataaccess/DAIBCDataSet.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Timer.h"

TDlgTemplateForm::TDlgTemplateForm(TComponent* AOwner) : TForm(AOwner) {
  const TMarcoDialogo marco = CrearMarcoDialogo(*this);
  entrtbDlg = marco.entrtbDlg;
  btnAceptar = marco.btnAceptar;
  btnCancelar = marco.btnCancelar;
  tmrBringToFront = new TTimer(this);
  tmrBringToFront->SetName(QStringLiteral("tmrBringToFront"));
  tmrBringToFront->SetEnabled(false);
  tmrBringToFront->SetOnTimer([this](QObject* Sender) { tmrBringToFrontTimer(Sender); });
}

void TDlgTemplateForm::DoCreate() {
  FormCreate(this);
  TForm::DoCreate();
}

void TDlgTemplateForm::DoShow() {
  FormShow(this);
  TForm::DoShow();
}

void TDlgTemplateForm::FormCreate(QObject* /*Sender*/) {
  AsignarPopupMenus(*this);
  AsignarAyudasMarco({entrtbDlg, btnAceptar, btnCancelar}, 1001, 1002);
  FAplicarEscalaVisual = true;
  FEscalarByFormaPrincipal = Owner() && TqovEscalamientoFuncs::EsResolucionesPv(
                                            QString::fromLatin1(Owner()->Self()->metaObject()->className()));
  FTopInicial = Top();
}

void TDlgTemplateForm::FormShow(QObject* /*Sender*/) {
  if (FAplicarEscalaVisual) {
    TqovEscalamientoFuncs::CrearEscalamientoFuncs();
    EscalamientoFuncs->EscalarDialogo(
        *this, [this](QObject* Sender) { TerminateEscala(Sender); }, FEscalarByFormaPrincipal);
  }
  BringToFront();
}

void TDlgTemplateForm::tmrBringToFrontTimer(QObject* /*Sender*/) {
  if (isMinimized() || !isActiveWindow()) {
    tmrBringToFront->SetEnabled(false);
    SetFocus();
    BringToFront();
    tmrBringToFront->SetEnabled(true);
  }
  const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
  if (pantalla && ToSystemPixels(pantalla->availableGeometry()).bottom() < Top()) SetTop(FTopInicial);
}

bool TDlgTemplateForm::LeerElemento(TqovDADataset& aIBDataSet, int aId) {
  aIBDataSet.Close();
  aIBDataSet.SetParamValue(0, aId);
  aIBDataSet.Open();
  aIBDataSet.First();
  return !aIBDataSet.IsEmpty();
}

void TDlgTemplateForm::TerminateEscala(QObject* /*aForm*/) {}
