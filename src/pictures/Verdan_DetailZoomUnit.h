#pragma once

#include <QWidget>

class TKR_CheckBox;
class TKR_DatenBankFeld;
class TKR_GradButton;
class TKR_MultiImage;
class TKR_Panel;
class TVD_StrukturDataModul;

// A small window that stays on top and shows the large drawing (kind 1) of value item item
// of criterion krit, captioned "<key>.<criterion>.<value>". It belongs to owner, so it goes
// with it, and frees itself when closed. Several may be open at once. The caller shows it.
class TVerdan_DetailZoom : public QWidget
{
    Q_OBJECT

public:
    TVerdan_DetailZoom(QWidget* owner, int item, TKR_DatenBankFeld* krit,
                       TVD_StrukturDataModul* strukturModul);

    void KR_GradButton1Click();

    TKR_Panel* TopPanel = nullptr;
    TKR_Panel* Panel3 = nullptr;
    TKR_GradButton* KR_GradButton1 = nullptr;
    TKR_CheckBox* Toolbar = nullptr;
    TKR_MultiImage* Bilddarstellung = nullptr;

private:
    void ErstelleKomponenten();
    void ZeigeBild(int item, const TKR_DatenBankFeld& krit, TVD_StrukturDataModul* strukturModul);
};
