// Drawings of the keys of grasses, sedges, rushes, horsetails and of Allium, Gagea and Iris (keys
// 7, 15, 17, 22, 26, 27, 30, 33, 34, 36, 42, 43).

#include "Rezepte.h"

void RezepteGraeser(TRezeptTabelle& t)
{
    (void)t;
}
