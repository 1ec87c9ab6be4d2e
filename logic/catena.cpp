#include "logic/catena.h"

#include "calc/passi.h"

namespace flumetra {

Reale Catena::perditaTotale() {
    const Reale Y = leggi(Campo::Text_Y, TestoInReale);
    const Reale L = leggi(Campo::Text_L, TestoInReale);
    return passi::verificato(Y * L);
}

}  // namespace flumetra
