// The run's undo history. A step keeps only what the edit changed: the
// run's settings, and the sections between the head and the tail that the
// runs before and after share, so an edit of one cell keeps one section
// whatever the run's size. The steps of one continuous edit (the same key
// again within a second: an arrow held on a setting, a value typed into
// it) are one step; and when the kept parts pass a budget of bytes, the
// oldest steps go.
//
//   Storia s;
//   s.registra(prima, dopo, "Modifica L di T3");
//   s.annulla(dopo)                -> prima
//   s.ripeti(prima)                -> dopo
//   s.registra(a, b, "Quota", "quota", t); s.registra(b, c, "Quota", "quota", t + 200ms);
//   s.passi()                      -> 1, and annulla(c) -> a
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "percorso/percorso.h"

namespace flumetra::percorso {

class Storia {
public:
    using Orologio = std::chrono::steady_clock;
    static constexpr std::size_t budgetPredefinito = std::size_t{32} << 20U;  // bytes
    static constexpr std::chrono::milliseconds unione{1000};                  // between steps of one edit

    explicit Storia(std::size_t budget = budgetPredefinito) : budget_(budget) {}

    // The edit from prima (the run shown) to dopo. The steps that could be
    // redone go. A chiave merges it with the step before when that has the
    // same one, was made less than `unione` before and is not where the
    // run was saved.
    void registra(const Percorso& prima, const Percorso& dopo, std::string descrizione, std::string chiave = {},
                  Orologio::time_point quando = Orologio::now());

    [[nodiscard]] bool puoAnnullare() const { return fatti_ > 0; }
    [[nodiscard]] bool puoRipetere() const { return fatti_ < passi_.size(); }
    // What the next undo or redo does: "Modifica L di T3"; empty when none.
    [[nodiscard]] std::string descrizioneAnnulla() const;
    [[nodiscard]] std::string descrizioneRipeti() const;
    // The run before the last step done, or after the next one undone;
    // mostrato is the run shown, which that step leads to or from.
    [[nodiscard]] Percorso annulla(const Percorso& mostrato);
    [[nodiscard]] Percorso ripeti(const Percorso& mostrato);

    // Whether the run shown is the one last saved.
    [[nodiscard]] bool salvata() const { return salvataA_ == fatti_; }
    // Saved now; or no run of the history is saved (a recovered copy).
    void segnaSalvata() { salvataA_ = fatti_; }
    void segnaMaiSalvata() { salvataA_.reset(); }
    // A run that starts anew: no steps, saved.
    void svuota();

    [[nodiscard]] std::size_t passi() const { return passi_.size(); }
    [[nodiscard]] std::size_t byte() const { return byte_; }

private:
    struct Passo {
        Percorso impostazioniPrima;  // the settings, without sections
        Percorso impostazioniDopo;
        std::size_t inizio = 0;     // the first section that differs
        std::vector<Tratto> prima;  // the sections from there that differ, before
        std::vector<Tratto> dopo;   // and after
        std::string descrizione;
        std::string chiave;
        Orologio::time_point quando;
        std::size_t byte = 0;
    };

    static Passo passo(const Percorso& prima, const Percorso& dopo);
    static Percorso applica(const Percorso& mostrato, const Percorso& impostazioni, std::size_t inizio,
                            const std::vector<Tratto>& togli, const std::vector<Tratto>& metti);
    void aggiungi(Passo p);

    std::deque<Passo> passi_;
    std::size_t fatti_ = 0;                    // the steps done, from the oldest
    std::optional<std::size_t> salvataA_ = 0;  // how many were done when it was saved
    std::size_t budget_;
    std::size_t byte_ = 0;
};

}  // namespace flumetra::percorso
