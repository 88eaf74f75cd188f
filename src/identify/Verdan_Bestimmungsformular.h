#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class TKR_CheckBox;
class TKR_DataSource;
class TKR_DBGrid;
class TKR_DatenBankFeld;
class TKR_GradButton;
class TKR_HTMLViewer;
class TKR_Label;
class TKR_Panel;
class TKR_StringHolder;
class TQuery;
class TVerdan_AbfrageListe;
class TVerdan_AbfrageRecord;
class TVerdan_Benutzerdatenbank;
class TVerdan_Bestimmungszeile;
class TVerdan_Datenbankserver;
class TVerdan_DiaSerie;
class TVerdan_DiaSerienFenster;
class TVerdan_FilterFlagoutPanel;
class TVerdan_FlagOutObjekt;
class TVerdan_HtmlDisplayForm;

// The window in which a plant is identified: a start page with the five identification
// paths, then the criteria panel, the result grid with "Übrig bleiben: n", the nesting bar
// back through the keys opened, the strip of drawings and two floating windows with the
// description of the current row and the ticked criteria. Every window has its own
// catalogue, server and level stack; the rules for reading result rows live in
// TVerdan_Bestimmungszeile.
class TVerdan_Bestimmung : public QWidget
{
    Q_OBJECT

public:
    explicit TVerdan_Bestimmung(QWidget* owner = nullptr);
    ~TVerdan_Bestimmung() override;

    void FormCreate();
    void OpenFarnpflanzenClick();
    void OpenGrundtabelleClick();
    void Button4Click();
    void OpenFamlienClick();
    void Button6Click();
    // "Alles Löschen".
    void Button1Click();
    void ArtListenButtonClick();
    void GlossarButtonClick();
    void SuchbuttonClick();
    void SuchpanelResize();
    void DatengridDblClick();
    void BestimmungsQueryAfterScroll();
    void CBoxArtbeschreibungZeigenClick();
    void CBoxFilterkriterienZeigenClick();
    void IllustrationenAnzeigenClick();
    void DeutscheNamenZeigenClick();
    void KopierenKommandoClick();
    void DiaSerieDiaClick(TVerdan_DiaSerienFenster* cell);
    void DiaSerieDiaDoubleClick(TVerdan_DiaSerienFenster* cell);
    void FilterFlagOutPanelFilterGeaendert();
    void FilterFlagOutPanelResetAbfrageKlasse(TVerdan_AbfrageRecord* resetKlasse);
    void FilterFlagOutPanelChangeFlagout(TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit,
                                         int selectItem);
    // Runs the current level's query; a failing statement (a missing table or column) is
    // reported and leaves the grid empty and the message line as it was.
    void AbfrageStartenClick();

    void ZeigeStartseite();
    void StarteSchluessel(int nummer);
    void OeffneEbene(int nummer, int gattung, int familie);
    void ZeigeBeschreibung();
    void ZeigeFilterkriterien();

    TVerdan_Benutzerdatenbank& Katalog() const { return *m_katalog; }
    TVerdan_AbfrageListe& Ebenen() const { return *m_ebenen; }
    TVerdan_Bestimmungszeile& Zeile() const { return *m_zeile; }

    TVerdan_DiaSerie* DiaSerie = nullptr;
    TKR_Panel* Hauptpanel = nullptr;
    TKR_Panel* StartPanel = nullptr;
    TKR_Label* Label1 = nullptr;
    TKR_GradButton* KR_GradButton1 = nullptr;
    TKR_GradButton* KR_GradButton2 = nullptr;
    TKR_GradButton* KR_GradButton3 = nullptr;
    TKR_GradButton* KR_GradButton4 = nullptr;
    TKR_GradButton* KR_GradButton5 = nullptr;
    TKR_Panel* ListenPanel = nullptr;
    TKR_GradButton* ArtListenButton = nullptr;
    TKR_GradButton* GlossarButton = nullptr;
    TKR_Panel* FlagoutContainerPanel = nullptr;
    TVerdan_FilterFlagoutPanel* FilterFlagOutPanel = nullptr;
    TKR_Panel* Browserpanel = nullptr;
    TKR_Panel* Suchpanel = nullptr;
    QLineEdit* Suchtext = nullptr;
    TKR_GradButton* Suchbutton = nullptr;
    TKR_DBGrid* PflanzenGrid = nullptr;
    TKR_HTMLViewer* HtmlViewer = nullptr;
    TKR_Panel* KR_Panel2 = nullptr;
    TKR_Label* Meldung = nullptr;
    TKR_Panel* KommandoPanel = nullptr;
    TKR_GradButton* KR_GradButton7 = nullptr;
    TKR_Panel* OptionsPanel = nullptr;
    TKR_CheckBox* CBoxFilterkriterienZeigen = nullptr;
    TKR_CheckBox* CBoxArtbeschreibungZeigen = nullptr;
    TKR_CheckBox* IllustrationenAnzeigen = nullptr;
    TKR_CheckBox* DeutscheNamenZeigen = nullptr;
    TQuery* BestimmungsQuery = nullptr;
    TKR_DataSource* DataSource1 = nullptr;
    TKR_StringHolder* HtmlText = nullptr;
    // Joins the main window's menu bar (group index 1) while this window is active.
    QMenu* BearbeitenKommando = nullptr;
    QAction* KopierenKommando = nullptr;

    QPointer<TVerdan_HtmlDisplayForm> Beschreibungsfenster;
    QPointer<TVerdan_HtmlDisplayForm> Filterkriterienfenster;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Kept apart from the grid: while the window is destroyed, the grid may already be gone
    // when its viewport's last events reach the filter.
    QPointer<QWidget> m_gridViewport;
    void ErstelleKomponenten();
    void ErstelleStartPanel();
    void ErstelleBrowserpanel();
    void ErstelleMeldeleiste();
    void FuelleStartseite();
    void MeldeDatenbankfehler(const std::exception& fehler);
    TVerdan_HtmlDisplayForm* NeuesAnzeigefenster(const QString& titel, int hoehe, int oben);

    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog;
    std::unique_ptr<TVerdan_Datenbankserver> m_server;
    std::unique_ptr<TVerdan_AbfrageListe> m_ebenen;
    std::unique_ptr<TVerdan_Bestimmungszeile> m_zeile;
};
