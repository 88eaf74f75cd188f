#pragma once

#include "platform/Query.h"
#include "platform/Table.h"

// The foundation's table and query add nothing to the engine's.
using TKR_Table = TTable;
using TKR_Query = TQuery;

struct TKR_SessionDaten; // data/Aw_bdb01.h

// A table takes the database and the read-only flag, a query only the database (queries
// never write); any other data set, or nullptr, is left alone. Raises EDatabaseError when
// the data set is open.
void ApplySessionDaten(const TKR_SessionDaten& sessionDaten, TDataSet* dataSet);

// The number of the current record of an open, non-empty table or query; 0 otherwise
// (nullptr included).
int DataSetRecNo(const TDataSet* dataSet);
