// The texts of the report a designer hands in, as its pages show them (the
// PDF and the printer lay them out): the title block, the basis the run was
// designed on, the table of the sections as the sheet shows them with R in
// mm c.a./m beside Pa/m and the warnings in words, each section's fittings
// and the run's totals. Every title block entry is there, empty where not
// given, so the block keeps its shape.
//
//   rapportoDi(reference run, its results).base[0]          -> {"Aria", "20 °C, quota 0 m, ρ 1,204 kg/m³"}
//   rapportoDi(…).colonne[k].titolo                           -> "R [mm c.a./m]", beside "R [Pa/m]"
//   rapportoDi(…).tratti[0]                                   -> T1's cells, indice true
//   rapportoDi(…).totali[1]                                   -> {"Pressione al ventilatore", "94,9 Pa"}
#pragma once

#include <string>
#include <vector>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

namespace flumetra::percorso {

// A name and its value: "Cliente", "Rossi & figli".
struct VoceRapporto {
    std::string nome;
    std::string valore;
    friend bool operator==(const VoceRapporto&, const VoceRapporto&) = default;
};

struct ColonnaRapporto {
    std::string titolo;  // with its unit: "Δp attrito [Pa]"
    bool aSinistra = false;
};

struct TrattoRapporto {
    std::vector<std::string> celle;  // one for each of the columns
    bool indice = false;             // on the index run
};

struct Rapporto {
    std::vector<VoceRapporto> intestazione;  // the title block, in its order
    std::vector<VoceRapporto> base;          // the air, the method, the material, Y°, the limits
    std::vector<ColonnaRapporto> colonne;
    std::vector<TrattoRapporto> tratti;
    std::vector<VoceRapporto> raccordi;  // a section's id and its fittings; only sections with some
    std::vector<VoceRapporto> totali;    // each with its unit; «—» where not given
};

// The decimals of R in mm c.a./m, as the calculator shows its Y.
inline constexpr int decimaliPerditaMmca = 4;

Rapporto rapportoDi(const Percorso& percorso, const Risultati& risultati);

}  // namespace flumetra::percorso
