#include "percorso/percorso.h"

namespace flumetra::percorso {

bool operator==(const Percorso& a, const Percorso& b) {
    return a.aria.temperatura == b.aria.temperatura && a.aria.quota == b.aria.quota && a.metodo == b.metodo &&
           a.materiale == b.materiale && a.perdita_obiettivo == b.perdita_obiettivo &&
           a.velocita_massime == b.velocita_massime && a.tratti == b.tratti;
}

}  // namespace flumetra::percorso
