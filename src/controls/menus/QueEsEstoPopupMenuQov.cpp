#include "controls/menus/QueEsEstoPopupMenuQov.h"

#include "controls/icons/ImgLstQov.h"
#include "controls/menus/RutinasMenusQov.h"
#include "platform/forms/Form.h"

TqovQueEsEstoPopupMenu::TqovQueEsEstoPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {
  FImageList = new TqovEdtImgLst16(AOwner);
  SetImages(FImageList);
  FmiQueEsEsto = new TMenuItem(this);
  FmiQueEsEsto->SetCaption(QStringLiteral("¿&Qué es esto?"));
  FmiQueEsEsto->SetImageIndex(6);
  FmiQueEsEsto->SetHelpContext(1384);
  FmiQueEsEsto->OnClick = [this](QObject* Sender) { QueEsEsto(Sender); };
  Add(FmiQueEsEsto);
  OnPopup = [this](QObject* Sender) { OnPopupEvent(Sender); };
}

void TqovQueEsEstoPopupMenu::OnPopupEvent(QObject* /*Sender*/) { SimularTecla(VK_DOWN, {}, false); }

void TqovQueEsEstoPopupMenu::QueEsEsto(QObject* /*Sender*/) {
  MostrarAyudaContexto(GetFormaPadre(), PopupComponent() ? PopupComponent()->Self() : nullptr);
}

TForm* TqovQueEsEstoPopupMenu::GetFormaPadre() const { return Owner() ? OwnerForm(Owner()) : nullptr; }
