#pragma once

#include "data/Aw_bdb01.h"
#include "foundation/KR_Graph.h"

#include <QPointer>
class TKR_HTMLViewer;

// The description of one species beside the species list: a white panel with an HTML
// viewer, filled from the key database server. (The framework portrait's photo strip and
// option bar never show in this program and are left out.)
class TVerdan_ArtPortraitAnzeige : public TKR_Panel
{
    Q_OBJECT

public:
    explicit TVerdan_ArtPortraitAnzeige(QWidget* parent = nullptr);

    TBDB_SERVER* Server() const { return m_server; }
    void SetServer(TBDB_SERVER* server) { m_server = server; }

    TKR_HTMLViewer* HTMLViewer() const { return m_viewer; }

    // Reloads the viewer with the server's description of species id, without
    // identification aids; an unknown species or a failing server leaves it empty.
    virtual void ShowPflanze(int id, bool flag = false);

private:
    QPointer<TBDB_SERVER> m_server;
    TKR_Panel* m_htmlPanel;
    TKR_HTMLViewer* m_viewer;
};
