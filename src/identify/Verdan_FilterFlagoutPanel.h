#pragma once

#include "identify/Aw_fifla.h"
#include "key/Verdan_Flagoutstuktur.h"

#include <QIcon>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <array>
#include <functional>

class TKR_DatenBankFeld;
class TKR_FlagOutObjekt;
class TKR_FlagOutStruktur;
class TVerdan_AbfrageListe;
class TVerdan_AbfrageRecord;
class TVerdan_FlagOutVerschachtelung;

// The image indexes of the criteria tree's state images.
struct TVerdan_FlagOutBild
{
    // "VERDAN_OFFGREEN": a value not ticked, a criterion without ticked value.
    static constexpr int NichtGewaehlt = 0;
    // "VERDAN_GREENRED": a criterion with a ticked value.
    static constexpr int KapitelGewaehlt = 1;
    // "VERDAN_ONRED": a ticked value.
    static constexpr int Gewaehlt = 2;
};

// One node of the criteria tree: a criterion (its data is the criterion's sub-structure) or
// one of its values (its data is the value object).
class TVerdan_FlagOutBaumKnoten : public QTreeWidgetItem, public TVerdan_FlagOutKnoten
{
public:
    using TBilder = std::array<QIcon, 3>;

    TVerdan_FlagOutBaumKnoten(const TBilder& bilder, const QString& text, TKR_FlagOutObjekt* objekt,
                              TKR_FlagOutStruktur* struktur);

    void SetImageIndex(int index) override;
    TVerdan_FlagOutKnoten* ParentNode() const override;
    int ImageIndex() const { return m_imageIndex; }

    // The value object of a value node, nullptr for a criterion.
    TKR_FlagOutObjekt* Objekt() const { return m_objekt; }
    // The sub-structure of a criterion node, nullptr for a value.
    TKR_FlagOutStruktur* Struktur() const { return m_struktur; }
    TVerdan_FlagOutBaumKnoten* Eltern() const;

private:
    const TBilder& m_bilder;
    TKR_FlagOutObjekt* m_objekt;
    TKR_FlagOutStruktur* m_struktur;
    int m_imageIndex = TVerdan_FlagOutBild::NichtGewaehlt;
};

// The tree view of the criteria panel: read-only, single selection, the state images as
// node icons. Left mouse presses and releases are reported to the panel; other buttons and
// dragging do not move the selection.
class TVerdan_FlagOutBaum : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TVerdan_FlagOutBaum(QWidget* parent = nullptr);

    // Where the node's text is drawn, in viewport coordinates; empty for a hidden node.
    QRect TextRechteck(QTreeWidgetItem* knoten) const;

    std::function<void()> OnMausDruck;
    std::function<void(QPoint pos)> OnMausLos;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The criteria panel of the identification window. It shows the criteria tree of the current
// level as a tree view and keeps at most one value per criterion ticked: clicking a value
// ticks it and unticks its siblings, clicking the ticked value again unticks it. Each tick
// change raises OnFilterGeaendert; each newly selected node raises OnChangeFlagout. The ticks
// live in the tree, so they survive rebuilding the view. The nesting bar above the tree shows
// the level stack and reports a chosen level through OnResetAbfrageKlasse.
//
// While a tree is shown its objects' Knoten point into this view; showing another tree
// detaches them.
class TVerdan_FilterFlagoutPanel : public TAW_FilterFlagOutPanel
{
    Q_OBJECT

public:
    // A level chosen in the nesting bar; nullptr for "Anfang".
    using TVerdan_FlagOutVerschachtelungReset =
        std::function<void(TVerdan_AbfrageRecord* resetKlasse)>;
    // A node was selected: a value reports its object, its criterion and its item number; a
    // criterion reports its chapter object, the criterion and 0; no node (or a node without
    // data) reports nullptr, nullptr and 0.
    using TVerdan_FLPanelChangeEvent =
        std::function<void(TVerdan_FlagOutObjekt* flo, TKR_DatenBankFeld* krit, int selectItem)>;

    explicit TVerdan_FilterFlagoutPanel(QWidget* owner = nullptr);
    ~TVerdan_FilterFlagoutPanel() override;

    // Shows the current level's tree and the levels in the nesting bar; nothing for an empty
    // stack (the bar keeps what it showed).
    void ZeigeEbenen(TVerdan_AbfrageListe& ebenen);
    // Ticks a value node that is not ticked, otherwise unticks it, keeping its siblings
    // unticked; then raises OnFilterGeaendert. A criterion node, a node of another view and
    // nullptr change nothing. With neuZeichnen the view repaints.
    void ToggleKnoten(TVerdan_FlagOutKnoten* knoten, bool neuZeichnen);

    TVerdan_FlagOutVerschachtelung* FlagOutVerschachtelung() const;
    const TVerdan_FlagOutBaumKnoten::TBilder& Bilder() const { return m_bilder; }
    // Set after the selection moved, until the mouse release of that click.
    bool AuswahlGeaendert() const { return m_auswahlGeaendert; }

    TVerdan_FlagOutBaum* Baum = nullptr;
    // Set by the identification window while it refills the panel; a toggle then leaves
    // repainting to the refill.
    bool Aktualisierung = false;

    TVerdan_FlagOutVerschachtelungReset OnResetAbfrageKlasse;
    TVerdan_FLPanelChangeEvent OnChangeFlagout;

protected:
    TAW_FilterFlagOutVerschachtelungs* CreateVerschachtelung() override;
    void CreateAnzeige() override;
    void ZeigeInAnzeige(TAW_FlagOutStruktur* struktur) override;

private:
    void KnotenGewaehlt(QTreeWidgetItem* knoten);
    void MausLos(QPoint pos);
    void FuegeStrukturEin(TKR_FlagOutStruktur& struktur, TVerdan_FlagOutBaumKnoten* eltern);
    void LoeseObjekteVomBaum();

    TVerdan_FlagOutBaumKnoten::TBilder m_bilder;
    bool m_auswahlGeaendert = false;
    // Set while the view is rebuilt, so that the moving selection ticks nothing.
    bool m_baueNeu = false;
};
