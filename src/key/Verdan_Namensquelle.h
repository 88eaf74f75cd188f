#pragma once

#include <QString>

// Names of genera and families by number, for the headings of restricted levels. The key
// database server implements it; tests give a fake.
class TVerdan_Namensquelle
{
public:
    virtual ~TVerdan_Namensquelle() = default;
    // Empty when the number names nothing. Non-const: a server opens its tables on first use.
    virtual QString GattungsName(int gattung) = 0;
    virtual QString FamilienName(int familie) = 0;
};
