// Drawings of the keys of Dactylorhiza, Euphrasia, Gentiana, Hypericum, Lamiaceae, orchids,
// Orobanche, Pedicularis, Rhinanthus and Viola (keys 20, 24, 28, 32, 35, 38, 39, 40, 52, 59).

#include "Rezepte.h"

void RezepteLippenbluetler(TRezeptTabelle& t)
{
    (void)t;
}
