#include "key/Verdan_StrukturDM.h"
