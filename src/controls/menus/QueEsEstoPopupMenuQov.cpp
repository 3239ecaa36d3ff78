#include "controls/menus/QueEsEstoPopupMenuQov.h"

#include "controls/icons/ImgLstQov.h"
#include "controls/menus/RutinasMenusQov.h"
#include "platform/forms/Form.h"

TqovQueEsEstoPopupMenuBase::TqovQueEsEstoPopupMenuBase(TComponent* AOwner, int AHelpContext, bool AImagenesDelMenu)
    : TPopupMenu(AOwner) {
  FImageList = new TqovEdtImgLst16(AImagenesDelMenu ? static_cast<TComponent*>(this) : AOwner);
  SetImages(FImageList);
  FmiQueEsEsto = new TMenuItem(this);
  FmiQueEsEsto->SetCaption(QStringLiteral("¿&Qué es esto?"));
  FmiQueEsEsto->SetImageIndex(6);
  FmiQueEsEsto->SetHelpContext(AHelpContext);
  FmiQueEsEsto->OnClick = [this](QObject* Sender) { QueEsEsto(Sender); };
  Add(FmiQueEsEsto);
  OnPopup = [this](QObject* Sender) { OnPopupEvent(Sender); };
}

void TqovQueEsEstoPopupMenuBase::OnPopupEvent(QObject* /*Sender*/) { SimularTecla(VK_DOWN, {}, false); }

void TqovQueEsEstoPopupMenuBase::QueEsEsto(QObject* /*Sender*/) {
  MostrarAyudaContexto(GetFormaPadre(), PopupComponent() ? PopupComponent()->Self() : nullptr);
}

TForm* TqovQueEsEstoPopupMenuBase::GetFormaPadre() const { return Owner() ? OwnerForm(Owner()) : nullptr; }

TqovQueEsEstoPopupMenu::TqovQueEsEstoPopupMenu(TComponent* AOwner) : TqovQueEsEstoPopupMenuBase(AOwner, 1384, false) {}
