#pragma once

#include "key/VD_StrukturDM.h"

// The program's illustration index; the module of the framework serves it unchanged. The main
// window creates the one instance at start-up.
class TVerdan_StrukturDataModul : public TVD_StrukturDataModul
{
    Q_OBJECT

public:
    using TVD_StrukturDataModul::TVD_StrukturDataModul;
};
