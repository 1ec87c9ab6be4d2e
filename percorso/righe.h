// What the script player prints for `run FILE`: one JSON object a line, per
// section in the run's order, then one for the fan; a refused file is one
// line, {"errore": MESSAGE}. Numbers at full double precision (the shortest
// text that reads back as the same double), null for a value not given.
//
//   {"id":"T2","G":800,"forma":"tondo","D":300,"A":null,"B":null,"v":3.14…,"Re":62638.46…,
//    "R_Pa_m":…,"dp_attrito":…,"pd":…,"zeta_raccordi":0,"dp_accidentali":…,"dp_tratto":…,"p_fine":…,
//    "p_terminale":…,"da_tarare":43.77…,"avvisi":[]}
//   {"G_ventilatore":3000,"p_ventilatore":94.93…,"percorso_indice":["T1","T3","T5"],"superficie_m2":56.62…}
//
// The keys are colonne.h's, in the order colonneDelleRighe keeps. A
// rectangle's D is its equivalent diameter; avvisi lists the words
// velocita, perdita, nessuna misura, senza portata, ruolo, in that order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

std::vector<std::string> righeDelPercorso(std::string_view testoDelFile);
std::vector<std::string> righeDelPercorso(const Percorso& percorso, const Risultati& risultati);

}  // namespace flumetra::percorso
