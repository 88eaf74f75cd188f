#pragma once

#include <QString>
#include <memory>

// The persistent engine configuration: a text file "engine.cfg" beside the registry hives
// (or the file named by VERDAN_ENGINE_CFG). Sections are named by configuration path, entries
// are NAME=value lines:
//
//   [\DRIVERS\PARADOX\TABLE CREATE]
//   LEVEL=4
//   [\SYSTEM\INIT]
//   MAXFILEHANDLES=48
//
// A missing file is created with the engine's defaults; entries the file lacks have their
// default value. It is read and written through a cursor over one section; every failing call
// raises EDatabaseError. Changes are written at once and atomically.

// One entry of a configuration section.
struct TCfgRecord
{
    QString NodeName;
    QString Value;
};

class TCfgCursor;
struct TCfgCursorDeleter
{
    void operator()(TCfgCursor* cursor) const;
};
using TCfgCursorPtr = std::unique_ptr<TCfgCursor, TCfgCursorDeleter>;

// The configuration file in use.
QString EngineConfigFileName();

// A cursor before the first entry of the section cfgPath (letter case of the path ignored),
// read-write. Creates a missing file with the defaults.
TCfgCursorPtr OpenCfgInfoList(const QString& cfgPath);
// Moves to the next entry and returns it in record; false after the last one.
bool GetNextRecord(TCfgCursor& cursor, TCfgRecord& record);
// Replaces the value of the current entry by record.Value (at most 128 characters) and writes
// the file.
void ModifyRecord(TCfgCursor& cursor, const TCfgRecord& record);
void CloseCursor(TCfgCursorPtr& cursor);

// The value of MAXFILEHANDLES in [\SYSTEM\INIT] without creating or changing anything; the
// default when the file is missing or unreadable.
int ConfiguredMaxFileHandles();
