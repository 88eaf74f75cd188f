#pragma once

#include "foundation/KR_Graph.h"

#include <functional>

class TAW_FilterFlagOutVerschachtelungs;
class TAW_FilterFlagTabSet;
class TAW_FlagOutStruktur;

// The criteria panel of the framework: a nesting bar at the top, a view of a criteria tree
// in the middle and a tab strip with the tree's title at the bottom. The three parts come
// from virtual factories, so that a product replaces each with its own; the framework
// itself has no view of a tree (ZeigeInAnzeige shows nothing).
//
// A tree stays owned by its caller and must stay alive while the panel shows it or lists it
// in a tab.
class TAW_FilterFlagOutPanel : public TKR_Panel
{
    Q_OBJECT

public:
    // panel is the panel raising the event; gezeigt is the tree about to be shown when a
    // tree is shown, nullptr when a tick changed.
    using TFilterGeaendert =
        std::function<void(TAW_FilterFlagOutPanel& panel, TAW_FlagOutStruktur* gezeigt)>;

    explicit TAW_FilterFlagOutPanel(QWidget* owner = nullptr);

    // Shows struktur as the root: its tab is the only one, and it is current.
    void SetStruktur(TAW_FlagOutStruktur* struktur);
    // Shows a tree of the root's family; nothing without a tree.
    void ZeigeStruktur(TAW_FlagOutStruktur* struktur);
    // A tree gets a tab when it is a root or has a ticked value at its own level; otherwise
    // it loses its tab.
    void AktualisiereTab(TAW_FlagOutStruktur* struktur);

    TAW_FlagOutStruktur* GezeigteStruktur() const { return m_gezeigteStruktur; }
    TAW_FlagOutStruktur* WurzelStruktur() const { return m_wurzelStruktur; }
    // Set while ZeigeStruktur runs.
    bool InAnzeige() const { return m_inAnzeige; }
    // Set while the panel itself makes a tab current.
    bool TabWechsel() const { return m_tabWechsel; }

    TAW_FilterFlagOutVerschachtelungs* Verschachtelung = nullptr;
    TAW_FilterFlagTabSet* TabSet = nullptr;

    // Raised when a tick changed or a tree is shown.
    TFilterGeaendert OnFilterGeaendert;

protected:
    // For subclasses: builds the panel without its parts. The subclass's constructor calls
    // ErstelleTeile, so that the factories it overrides are the ones called.
    struct TTeileSpaeter
    {
    };
    TAW_FilterFlagOutPanel(QWidget* owner, TTeileSpaeter);
    // Calls CreateVerschachtelung, CreateAnzeige and CreateTabSet, in this order.
    void ErstelleTeile();

    // A bar at the top, 20 pixels high, flat; a click on an entry shows its tree.
    virtual TAW_FilterFlagOutVerschachtelungs* CreateVerschachtelung();
    // The view of the tree, filling the middle. The framework has none.
    virtual void CreateAnzeige() {}
    // A tab strip at the bottom; a click on a tab shows its tree.
    virtual TAW_FilterFlagTabSet* CreateTabSet();
    // Fills the view with the tree.
    virtual void ZeigeInAnzeige(TAW_FlagOutStruktur*) {}

    void MeldeFilterGeaendert(TAW_FlagOutStruktur* gezeigt);

private:
    void TabGeklickt(int index);

    TAW_FlagOutStruktur* m_gezeigteStruktur = nullptr;
    TAW_FlagOutStruktur* m_wurzelStruktur = nullptr;
    bool m_inAnzeige = false;
    bool m_tabWechsel = false;
};
