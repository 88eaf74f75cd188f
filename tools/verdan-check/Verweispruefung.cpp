#include "Datenpruefung.h"

void TDatenpruefung::PruefeVerweise() {}
