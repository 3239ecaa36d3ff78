#include "app/dialogs/DlgTemplateFrmConver.h"

#include "app/menus/PopupMenus.h"

TqovDlgTemplateFormConver::TqovDlgTemplateFormConver(TComponent* AOwner) : TForm(AOwner) {
  const TMarcoDialogo marco = CrearMarcoDialogo(*this);
  entrtbDlg = marco.entrtbDlg;
  btnAceptar = marco.btnAceptar;
  btnCancelar = marco.btnCancelar;
}

void TqovDlgTemplateFormConver::DoCreate() {
  FormCreate(this);
  TForm::DoCreate();
}

void TqovDlgTemplateFormConver::DoShow() {
  FormShow(this);
  TForm::DoShow();
}

void TqovDlgTemplateFormConver::FormCreate(QObject* /*Sender*/) {
  AsignarPopupMenusConver(*this);
  AsignarAyudasMarco({entrtbDlg, btnAceptar, btnCancelar}, 1001, 1002);
}

void TqovDlgTemplateFormConver::FormShow(QObject* /*Sender*/) { BringToFront(); }
