#pragma once

// The species tests run on the shipped data directory GLOBAL.

#include "app/KR_MYSYS.h"
#include "data/Verdan_BdBServer.h"
#include "data/Verdan_Benutzerdatenbank.h"
#include "key/Verdan_Definition.h"
#include "platform/Table.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

class SpeciesFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_globalDir = SetupBlock.GlobalDir;
        SetupBlock.GlobalDir = QStringLiteral(VERDAN_DATA_DIR);
        ASSERT_TRUE(QDir(SetupBlock.GlobalDir).exists(QStringLiteral("tables.sqlite")))
            << "build the target verdan_data first";
    }
    void TearDown() override { SetupBlock.GlobalDir = m_globalDir; }

    // A server of its own over the shipped data.
    std::unique_ptr<TVerdan_Datenbankserver> NeuerServer()
    {
        m_katalog = ErstelleKatalog();
        return std::make_unique<TVerdan_Datenbankserver>(nullptr, nullptr, m_katalog.get(),
                                                         SetupBlock.GlobalDir);
    }

    // The number of rows of VDB_1, counted on its primary index.
    static int ArtenAnzahl()
    {
        TTable tabelle;
        tabelle.SetDatabaseName(SetupBlock.GlobalDir);
        tabelle.SetTableName(QStringLiteral("VDB_1"));
        tabelle.Open();
        return tabelle.RecordCount();
    }

    std::unique_ptr<TVerdan_Benutzerdatenbank> m_katalog;

private:
    QString m_globalDir;
};
