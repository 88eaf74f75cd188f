// Drawings of the keys of Epilobium, Geranium, Oenothera, Potamogeton, the two Ranunculus keys
// and
// Rubiaceae (keys 21, 29, 37, 46, 50, 51, 54).

#include "Rezepte.h"

void RezepteKraeuter(TRezeptTabelle& t)
{
    (void)t;
}
