// Drawings of the keys of Fabaceae, Pinus, Populus, Potentilla, Prunus, Quercus, Rosa, Salix and
// Sorbus (keys 25, 41, 45, 47, 48, 49, 53, 56, 57).

#include "Rezepte.h"

void RezepteGehoelze(TRezeptTabelle& t)
{
    (void)t;
}
