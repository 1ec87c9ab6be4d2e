#include "percorso/json_lettura.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/testo.h"
#include "percorso/nomi.h"

namespace flumetra::percorso {
namespace {

using nlohmann::json;

// Builds the document as nlohmann's own parser does, event by event, and
// stops at a key its object already holds, or at the parser's fault.
class Costruttore {
public:
    explicit Costruttore(std::string_view testo) : testo_(testo) {}

    json documento;
    std::optional<Rifiuto> rifiuto;

    // nlohmann's SAX events.
    bool null() { return metti(nullptr); }
    bool boolean(bool v) { return metti(v); }
    bool number_integer(json::number_integer_t v) { return metti(v); }
    bool number_unsigned(json::number_unsigned_t v) { return metti(v); }
    bool number_float(json::number_float_t v, const json::string_t& /*testo*/) { return metti(v); }
    bool string(json::string_t& v) { return metti(std::move(v)); }
    bool binary(json::binary_t& v) { return metti(json::binary(std::move(v))); }  // not from JSON text
    bool start_object(std::size_t /*elementi*/) { return apri(json::object()); }
    bool start_array(std::size_t /*elementi*/) { return apri(json::array()); }
    bool end_object() { return chiudi(); }
    bool end_array() { return chiudi(); }

    bool key(json::string_t& chiave) {
        Livello& l = aperti_.back();
        if (l.valore->contains(chiave)) {
            rifiuto =
                Rifiuto{Motivo::ChiaveSconosciuta, luogo() + "la chiave «" + chiave + "» compare due volte", tratto()};
            return false;
        }
        posto_ = &(*l.valore)[chiave];
        l.chiave = std::move(chiave);
        return true;
    }

    // posizione counts the bytes read, the faulty one included.
    bool parse_error(std::size_t posizione, const std::string& /*token*/, const json::exception& e) {
        const RigaColonna rc = rigaColonna(testo_, posizione == 0 ? 0 : posizione - 1);
        const std::string cosa = e.id == 406 ? "un numero oltre ogni double" : "il testo non è JSON valido";
        rifiuto = Rifiuto{Motivo::NonJson,
                          cosa + ": riga " + std::to_string(rc.riga) + ", colonna " + std::to_string(rc.colonna),
                          std::nullopt};
        return false;
    }

private:
    struct Livello {
        json* valore;
        std::string chiave;  // an object's last key
    };

    // The new value's place: the document itself, an array's new end, or the
    // member the last key made.
    json* posto(json&& v) {
        if (aperti_.empty()) {
            documento = std::move(v);
            return &documento;
        }
        json& contenitore = *aperti_.back().valore;
        if (contenitore.is_array()) {
            contenitore.push_back(std::move(v));
            return &contenitore.back();
        }
        *posto_ = std::move(v);
        return posto_;
    }
    bool metti(json&& v) {
        posto(std::move(v));
        return true;
    }
    bool apri(json&& v) {
        aperti_.push_back({posto(std::move(v)), {}});
        return true;
    }
    bool chiudi() {
        aperti_.pop_back();
        return true;
    }

    // Inside a section (the k-th element of "tratti"), that section.
    [[nodiscard]] std::optional<std::size_t> tratto() const {
        if (aperti_.size() < 3 || aperti_[0].chiave != "tratti" || !aperti_[1].valore->is_array()) return std::nullopt;
        return aperti_[1].valore->size() - 1;
    }
    // "tratto 2 («T2»): ", or the keys from the document down: "aria: ".
    [[nodiscard]] std::string luogo() const {
        std::string s;
        std::size_t da = 0;
        if (const auto k = tratto()) {
            const json& t = *aperti_[2].valore;
            std::optional<std::string_view> id;
            if (const auto i = t.find("id"); i != t.end() && i->is_string()) id = i->get_ref<const std::string&>();
            s = luogoDelTratto(*k, id);
            da = 2;
        }
        for (std::size_t l = da; l + 1 < aperti_.size(); ++l) {
            if (!s.empty()) s += ", ";
            s += aperti_[l].valore->is_array() ? std::to_string(aperti_[l].valore->size()) : aperti_[l].chiave;
        }
        return s.empty() ? s : s + ": ";
    }

    std::string_view testo_;
    std::vector<Livello> aperti_;
    json* posto_ = nullptr;
};

}  // namespace

RigaColonna rigaColonna(std::string_view testo, std::size_t offset) {
    offset = std::min(offset, testo.size());
    RigaColonna rc;
    for (std::size_t i = 0; i < offset; ++i) {
        if (testo[i] == '\n') {
            ++rc.riga;
            rc.colonna = 1;
        } else if ((static_cast<unsigned char>(testo[i]) & 0xC0) != 0x80) {
            ++rc.colonna;  // a character's first byte; the others continue it
        }
    }
    return rc;
}

std::variant<json, Rifiuto> documentoJson(std::string_view testo) {
    Costruttore c(testo);
    json::sax_parse(testo, &c);
    if (c.rifiuto) return std::move(*c.rifiuto);
    return std::move(c.documento);
}

std::string descrivi(const json& v) {
    switch (v.type()) {
        case json::value_t::null: return "null";
        case json::value_t::boolean: return v.get<bool>() ? "true" : "false";
        case json::value_t::string: {
            constexpr std::size_t mostrati = 40;
            const auto& s = v.get_ref<const std::string&>();
            if (s.size() <= mostrati) return "il testo «" + s + "»";
            std::size_t fine = mostrati;
            while (fine > 0 && (static_cast<unsigned char>(s[fine]) & 0xC0) == 0x80) --fine;  // a whole character
            return "il testo «" + s.substr(0, fine) + "…»";
        }
        case json::value_t::object: return "un oggetto";
        case json::value_t::array: return "una lista";
        default: return RealeInTesto(v.get<Reale>());
    }
}

}  // namespace flumetra::percorso
