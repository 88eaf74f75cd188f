#include "Datenpruefung.h"

void TDatenpruefung::PruefeTrennbarkeit() {}
