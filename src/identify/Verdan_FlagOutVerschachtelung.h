#pragma once

#include "identify/AW_Fifl1.h"

#include <functional>

class TVerdan_AbfrageListe;
class TVerdan_AbfrageRecord;

// The nesting bar of the identification window: the levels of a level stack, the current
// one first, then the levels it was reached from, and "Anfang" last, for example
// ALLIUM.Blütenpflanzen.Anfang. White; the links turn red under the mouse.
class TVerdan_FlagOutVerschachtelung : public TAW_FilterFlagOutVerschachtelungs
{
    Q_OBJECT

public:
    // Raised with the level record of the entry clicked, nullptr for "Anfang".
    using TVerdan_FlagOutVerschachtelungReset =
        std::function<void(TVerdan_AbfrageRecord* resetKlasse)>;

    explicit TVerdan_FlagOutVerschachtelung(QWidget* owner = nullptr);

    // Appends an entry titled with the level's tree's Titel.
    void AddEbene(TVerdan_AbfrageRecord* ebene);
    // Shows the levels of ebenen from the current one back to the first, then "Anfang".
    // The stack's cursor stays where it is.
    void ZeigeEbenen(const TVerdan_AbfrageListe& ebenen);

    void EintragGewaehlt(int position) override;
    // The trees the panel reports are not listed: the bar lists levels.
    void AddStruktur(TAW_FlagOutStruktur*) override {}
    void ZeigePfad(TAW_FlagOutStruktur*) override {}

    TVerdan_FlagOutVerschachtelungReset OnResetKlasse;
};
