#pragma once

#include "pictures/Aw_mm01.h"

#include <functional>

class QPushButton;
class TKR_DatenBankFeld;
class TVD_StrukturDataModul;
class TVerdan_FlagOutObjekt;
class TVerdan_DiaSerienFenster;

using TVerdan_DiaSerieDoubleClickEvent = std::function<void(TVerdan_DiaSerienFenster* sender)>;

// A cell of the identification window's strip: the drawing of value item Item of criterion
// Krit, whose criteria-tree object is Flo. Its hint names criterion and value.
class TVerdan_DiaSerienFenster : public TKR_DiaSerienFenster
{
    Q_OBJECT

public:
    explicit TVerdan_DiaSerienFenster(QWidget* owner);

    TVerdan_FlagOutObjekt* Flo() const { return m_flo; }
    TKR_DatenBankFeld* Krit() const { return m_krit; }
    int Item() const { return m_item; }
    void SetZeichnung(TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit, int item);

    // Also forgets Flo, Krit, Item and the hint.
    void Clear() override;
    // Raises OnDoubleClick whenever it is set, drawing or not.
    void DoDblClick() override;

    TVerdan_DiaSerieDoubleClickEvent OnDoubleClick;
    // Raised by a click only on a cell that shows a criterion's value (has Flo).
    TVerdan_DiaSerieDoubleClickEvent OnSingleClick;

protected:
    void Click() override;

private:
    TVerdan_FlagOutObjekt* m_flo = nullptr;
    TKR_DatenBankFeld* m_krit = nullptr;
    int m_item = 0;
};

// The strip of drawings across the identification window: the drawings (kind 2) of the value
// items of one criterion, one row of cells per page, with "<" and ">" for the pages before
// and after. Item i of the criterion sits in column i - offset of the page, so an item
// without a drawing leaves its cell empty. The drawings come from the illustration index.
class TVerdan_DiaSerie : public TKR_DiaSerie
{
    Q_OBJECT

public:
    explicit TVerdan_DiaSerie(QWidget* parent = nullptr);

    void SetStrukturModul(TVD_StrukturDataModul* modul) { m_strukturModul = modul; }
    TVD_StrukturDataModul* StrukturModul() const { return m_strukturModul; }

    // Shows the page of krit's drawings that holds item selectItem and highlights it (0: the
    // first page, nothing highlighted). The same criterion on the page already shown only
    // moves the highlight. A value object stands for its criterion's chapter object.
    void ShowKriterium(TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit, int selectItem);
    // Shows the drawings of the items after offset, reloading unless that page is shown.
    void LoadPage(int offset, TVerdan_FlagOutObjekt* flo, int selectItem, TKR_DatenBankFeld* krit);
    void NextPage();
    void PriorPage();
    // Shows ">" when the criterion has items after the page, "<" when the page is not the
    // first; hides neither.
    void ShowPagingButtons();
    void HidePagingButtons();
    // Also hides both buttons; the next ShowKriterium loads its page afresh.
    void ClearAll() override;

    QPushButton* ZurueckButton() const { return m_zurueck; }
    QPushButton* WeiterButton() const { return m_weiter; }
    TKR_DatenBankFeld* AktuellesKriterium() const { return m_krit; }
    TVerdan_FlagOutObjekt* AktuellerFlo() const { return m_flo; }
    // Drawings of the current criterion; first and last item numbers on the page shown.
    int Anzahl() const { return m_anzahl; }
    int ErsteNummer() const { return m_ersteNummer; }
    int LetzteNummer() const { return m_letzteNummer; }

    TVerdan_DiaSerieDoubleClickEvent OnDiaDoubleClick;
    TVerdan_DiaSerieDoubleClickEvent OnDiaClick;

protected:
    TKR_DiaSerienFenster* CreateFenster() override;
    // Lays the cells out, puts "<" at the left and ">" at the right edge, and hides both
    // until the next page that needs them.
    void HandleResize() override;

private:
    bool SeiteGezeigt(int offset, TKR_DatenBankFeld* krit) const;
    void LadeZeichnungen(int offset, TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit);
    void MarkiereItem(int selectItem);

    TVD_StrukturDataModul* m_strukturModul = nullptr;
    QPushButton* m_zurueck = nullptr;
    QPushButton* m_weiter = nullptr;
    TKR_DatenBankFeld* m_krit = nullptr;
    TKR_DatenBankFeld* m_vorigesKrit = nullptr;
    TVerdan_FlagOutObjekt* m_flo = nullptr;
    int m_anzahl = 0;
    int m_ersteNummer = 0;
    int m_letzteNummer = 0;
};
