// Drawings of the keys of Amaranthus, Atriplex, Caryophyllaceae, Chenopodium, Euphorbia,
// Polygonum
// and Rumex (keys 8, 12, 18, 19, 23, 44, 55).

#include "Rezepte.h"

void RezepteNelkenartige(TRezeptTabelle& t)
{
    (void)t;
}
