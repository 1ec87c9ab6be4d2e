#include "percorso/incolla.h"

#include <algorithm>

#include "percorso/modifiche.h"

namespace flumetra::percorso {

Blocco righeIncollate(std::string_view testo) {
    Blocco blocco;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        std::vector<std::string> celle;
        for (std::size_t da = 0;;) {
            const std::size_t tab = riga.find('\t', da);
            celle.emplace_back(riga.substr(da, tab == std::string_view::npos ? std::string_view::npos : tab - da));
            if (tab == std::string_view::npos) break;
            da = tab + 1;
        }
        blocco.push_back(std::move(celle));
        if (fine == std::string_view::npos) break;
        testo.remove_prefix(fine + 1);
    }
    return blocco;
}

std::variant<Percorso, std::string> conBlocco(const Percorso& percorso, std::size_t riga,
                                              std::span<const std::optional<Colonna>> colonne, const Blocco& blocco) {
    Percorso p = percorso;
    // The shape first: a rectangle's A cannot be typed into a round section.
    std::vector<std::size_t> ordine(colonne.size());
    for (std::size_t k = 0; k < ordine.size(); ++k) ordine[k] = k;
    std::stable_partition(ordine.begin(), ordine.end(), [&](std::size_t k) { return colonne[k] == Colonna::Forma; });
    for (std::size_t r = 0; r < blocco.size(); ++r) {
        const std::size_t i = riga + r;
        if (i >= p.tratti.size())
            p = conTrattoSeguente(p, p.tratti.empty() ? std::nullopt : std::optional(i - 1)).percorso;
        for (const std::size_t k : ordine) {
            if (k >= blocco[r].size() || !colonne[k]) continue;
            auto dopo = conTesto(*colonne[k], p, i, blocco[r][k]);
            if (auto* perche = std::get_if<std::string>(&dopo)) {
                std::string dove = "riga ";  // not "riga " + …: GCC 12's -Wrestrict sees an overlap there at -O3
                dove += std::to_string(i + 1);
                return dove + " («" + p.tratti[i].id + "»), colonna «" + std::string(dati(*colonne[k]).titolo) +
                       "»: " + *perche;
            }
            p = std::move(std::get<Percorso>(dopo));
        }
    }
    return p;
}

}  // namespace flumetra::percorso
