#include "percorso/storia.h"

#include <algorithm>
#include <iterator>

namespace flumetra::percorso {
namespace {

Percorso senzaTratti(const Percorso& p) {
    Percorso impostazioni = p;
    impostazioni.tratti.clear();
    impostazioni.tratti.shrink_to_fit();
    return impostazioni;
}

std::size_t byteDi(const std::string& s) { return s.capacity() > sizeof(std::string) ? s.capacity() : 0; }

std::size_t byteDi(const std::vector<Tratto>& tratti) {
    std::size_t n = tratti.capacity() * sizeof(Tratto);
    for (const Tratto& t : tratti) n += byteDi(t.id) + (t.monte ? byteDi(*t.monte) : 0);
    return n;
}

}  // namespace

Storia::Passo Storia::passo(const Percorso& prima, const Percorso& dopo) {
    const std::vector<Tratto>& a = prima.tratti;
    const std::vector<Tratto>& b = dopo.tratti;
    const std::size_t comune = std::min(a.size(), b.size());
    std::size_t testa = 0;
    while (testa < comune && a[testa] == b[testa]) ++testa;
    std::size_t coda = 0;
    while (coda < comune - testa && a[a.size() - 1 - coda] == b[b.size() - 1 - coda]) ++coda;
    Passo p;
    p.impostazioniPrima = senzaTratti(prima);
    p.impostazioniDopo = senzaTratti(dopo);
    p.inizio = testa;
    const auto da = static_cast<std::ptrdiff_t>(testa);
    p.prima.assign(a.begin() + da, a.end() - static_cast<std::ptrdiff_t>(coda));
    p.dopo.assign(b.begin() + da, b.end() - static_cast<std::ptrdiff_t>(coda));
    p.byte = sizeof(Passo) + byteDi(p.prima) + byteDi(p.dopo);
    return p;
}

Percorso Storia::applica(const Percorso& mostrato, const Percorso& impostazioni, std::size_t inizio,
                         const std::vector<Tratto>& togli, const std::vector<Tratto>& metti) {
    Percorso r = impostazioni;
    r.tratti.reserve(mostrato.tratti.size() - togli.size() + metti.size());
    const auto da = mostrato.tratti.begin() + static_cast<std::ptrdiff_t>(inizio);
    r.tratti.insert(r.tratti.end(), mostrato.tratti.begin(), da);
    r.tratti.insert(r.tratti.end(), metti.begin(), metti.end());
    r.tratti.insert(r.tratti.end(), da + static_cast<std::ptrdiff_t>(togli.size()), mostrato.tratti.end());
    return r;
}

void Storia::registra(const Percorso& prima, const Percorso& dopo, std::string descrizione, std::string chiave,
                      Orologio::time_point quando) {
    passi_.erase(passi_.begin() + static_cast<std::ptrdiff_t>(fatti_), passi_.end());
    if (salvataA_ && *salvataA_ > fatti_) salvataA_.reset();  // the saved run was undone and is gone
    const bool unisci = !chiave.empty() && !passi_.empty() && passi_.back().chiave == chiave &&
                        quando - passi_.back().quando < unione && salvataA_ != fatti_;
    if (!unisci) {
        Passo p = passo(prima, dopo);
        p.descrizione = std::move(descrizione);
        p.chiave = std::move(chiave);
        p.quando = quando;
        aggiungi(std::move(p));
        return;
    }
    // One step from the run before the last one to this: none when the
    // edit came back to where it started.
    const Percorso inizio = annulla(prima);
    byte_ -= passi_.back().byte;
    passi_.pop_back();
    if (inizio == dopo) return;
    Passo p = passo(inizio, dopo);
    p.descrizione = std::move(descrizione);
    p.chiave = std::move(chiave);
    p.quando = quando;
    aggiungi(std::move(p));
}

void Storia::aggiungi(Passo p) {
    byte_ += p.byte;
    passi_.push_back(std::move(p));
    fatti_ = passi_.size();
    while (byte_ > budget_ && passi_.size() > 1) {
        byte_ -= passi_.front().byte;
        passi_.pop_front();
        --fatti_;
        if (salvataA_) salvataA_ = *salvataA_ == 0 ? std::nullopt : std::optional(*salvataA_ - 1);
    }
}

std::string Storia::descrizioneAnnulla() const { return puoAnnullare() ? passi_[fatti_ - 1].descrizione : ""; }

std::string Storia::descrizioneRipeti() const { return puoRipetere() ? passi_[fatti_].descrizione : ""; }

Percorso Storia::annulla(const Percorso& mostrato) {
    const Passo& p = passi_[--fatti_];
    return applica(mostrato, p.impostazioniPrima, p.inizio, p.dopo, p.prima);
}

Percorso Storia::ripeti(const Percorso& mostrato) {
    const Passo& p = passi_[fatti_++];
    return applica(mostrato, p.impostazioniDopo, p.inizio, p.prima, p.dopo);
}

void Storia::svuota() {
    passi_.clear();
    fatti_ = 0;
    salvataA_ = 0;
    byte_ = 0;
}

}  // namespace flumetra::percorso
