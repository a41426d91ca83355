#include "ui/tabout_box.h"

TAboutBox::TAboutBox() : DialogModel("About Tallivar") {}

void TAboutBox::Describe(FormLayout& form) {
  form.AddLabel(ProductName).AddLabel(Version).AddLabel(Comments).AddButton(OKButton, [this] { OKButtonClick(); }, true);
}
