// Drawings of the keys of Apiaceae, Artemisia, Asteraceae, Boraginaceae, Brassicaceae, Campanula,
// Hieracium and Veronica (keys 9, 10, 11, 13, 14, 16, 31, 58).

#include "Rezepte.h"

void RezepteKorbbluetler(TRezeptTabelle& t)
{
    (void)t;
}
