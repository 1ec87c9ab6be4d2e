// The run's totals, one row each: its name and unit, the player's key, its
// text as the sheet, the CSV and the report show it, and its JSON value for
// the player, and its text with every decimal for the CSV. A new total is a
// line of FLUMETRA_TOTALI and its row.
//
//   intestazione(Totale::Pressione)                   -> "Pressione al ventilatore [Pa]"
//   testoDi(Totale::Pressione, reference run, its results)  -> "94,9"
//   esattoDi(Totale::Pressione, …)                           -> "94,93410…" (every decimal)
//   testoDi(Totale::Pressione, …) without a terminal         -> "" (not given)
//   jsonDi(Totale::Indice, reference run, its results)     -> ["T1","T3","T5"]
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "percorso/calcolo.h"
#include "percorso/percorso.h"

// clang-format off
#define FLUMETRA_TOTALI(X) X(Portata) X(Pressione) X(Indice) X(Superficie)
// clang-format on

namespace flumetra::percorso {

#define FLUMETRA_VALORE(nome) nome,
enum class Totale { FLUMETRA_TOTALI(FLUMETRA_VALORE) };
#undef FLUMETRA_VALORE
#define FLUMETRA_NOME(nome) #nome,
inline constexpr std::array nomiTotali = {FLUMETRA_TOTALI(FLUMETRA_NOME)};  // "Pressione": as the enum names it
#undef FLUMETRA_NOME
inline constexpr std::size_t numeroTotali = nomiTotali.size();

struct DatiTotale {
    std::string_view nome{};                                            // "Pressione al ventilatore"
    std::string_view unita{};                                           // "Pa"; empty for none
    std::string_view chiave{};                                          // the player's
    std::string (*testo)(const Percorso&, const Risultati&) = nullptr;  // empty where not given
    std::string (*json)(const Percorso&, const Risultati&) = nullptr;
    std::string (*esatto)(const Percorso&, const Risultati&) = nullptr;  // a number with every decimal
};

const DatiTotale& dati(Totale t);
constexpr Totale totaleDi(std::size_t indice) { return static_cast<Totale>(indice); }

// "Portata al ventilatore [m³/h]"; "Percorso indice".
std::string intestazione(Totale t);
std::string testoDi(Totale t, const Percorso& p, const Risultati& r);
std::string jsonDi(Totale t, const Percorso& p, const Risultati& r);
std::string esattoDi(Totale t, const Percorso& p, const Risultati& r);

}  // namespace flumetra::percorso
