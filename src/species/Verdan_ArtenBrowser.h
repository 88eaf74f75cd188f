#pragma once

#include "species/KR_PflanzenBrowser.h"

class TVerdan_ArtenBrowserDataModul;
#include "data/Verdan_BdBServer.h"

// The species browser: every species of key 1 by scientific or by German name, found by a
// search on genus and epithet or by the beginning of the German name.
class TVerdan_ArtenBrowser : public TAW_FloraBrowser
{
    Q_OBJECT

public:
    explicit TVerdan_ArtenBrowser(QWidget* parent = nullptr);
    ~TVerdan_ArtenBrowser() override;

    // Creates the species data for server and shows it; a failure leaves the list empty.
    void InitArtenBrowser(TVerdan_Datenbankserver* server);
    TVerdan_ArtenBrowserDataModul* DataModul() const { return m_dataModul; }

    bool DeutscheNamen() const { return m_deutscheNamen; }
    void SetDeutscheNamen(bool on);

    // The current record's "ID".
    int GetRelID() const override;
    int GetPortraitID() const override;

    // Scientific names: moves to the nearest genus and epithet. German names: moves to the
    // first name that begins with the text, or says "Suchtext nicht gefunden".
    void Search(bool ausDemGrid) override;

private:
    TVerdan_ArtenBrowserDataModul* m_dataModul = nullptr;
    bool m_deutscheNamen = false;
};
