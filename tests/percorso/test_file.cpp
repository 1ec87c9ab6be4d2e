// The run's file: written back as it was read, and refused, whole, with a
// message naming what and where, for every kind of fault.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <variant>

#include "percorso/file.h"
#include "percorso/verifica.h"
#include "riferimento.h"

namespace flumetra::percorso {
namespace {

// The reference file with its first «prima» replaced by «dopo».
std::string con(std::string_view prima, std::string_view dopo) {
    std::string s(testoRiferimento);
    const auto i = s.find(prima);
    EXPECT_NE(i, std::string::npos) << prima;
    return i == std::string::npos ? s : s.replace(i, prima.size(), dopo);
}

TEST(File, WrittenAsRead) {
    const auto letto = leggi(testoRiferimento);
    ASSERT_TRUE(std::holds_alternative<Percorso>(letto)) << std::get<Rifiuto>(letto).messaggio;
    EXPECT_EQ(scrivi(std::get<Percorso>(letto)), testoRiferimento);

    Percorso p = std::get<Percorso>(letto);
    p.aria = {-30, 4000};
    p.metodo = Metodo::Colebrook;
    p.materiale = dettagli::Materiale::Plastica;
    p.perdita_obiettivo = 0.0001;
    p.velocita_massime = {0.1 + 0.2, 100, 1e-1};
    p.tratti[1].id = "«Mandata» \"2\"\\\n\t\x01 è";
    p.tratti[1].L = 1.0 / 3;
    p.tratti[1].dp_terminale = 0;
    p.tratti[2].zeta = -0.0;  // written as 0, as a reader takes back "-0"
    p.tratti[3].monte = p.tratti[1].id;
    p.tratti[0].forma = Rettangolare{11, 2999};
    p.tratti[4].forma = Tondo{4999};
    p.intestazione.di(Voce::Progetto) = "Uffici «via Roma»";
    p.intestazione.di(Voce::Note) = "riga 1\nriga 2";
    const std::string testo = scrivi(p);
    const auto di_nuovo = leggi(testo);
    ASSERT_TRUE(std::holds_alternative<Percorso>(di_nuovo)) << std::get<Rifiuto>(di_nuovo).messaggio;
    EXPECT_EQ(std::get<Percorso>(di_nuovo), p) << testo;
    EXPECT_EQ(scrivi(std::get<Percorso>(di_nuovo)), testo);
}

TEST(File, RefusedWholeWithWhatAndWhere) {
    struct Riga {
        std::string testo;
        Motivo motivo;
        const char* messaggio;
    };
    const Riga righe[] = {
        {con(", \"versione\"", ",, \"versione\""), Motivo::NonJson, "il testo non è JSON valido: riga 1, colonna 33"},
        {con("\"L\": 8,", "\"L\": 8e400,"), Motivo::NonJson, "un numero oltre ogni double: riga 6, colonna 40"},
        {"", Motivo::NonJson, "il testo non è JSON valido: riga 1, colonna 1"},
        {"[1]", Motivo::Formato, "non è un percorso di Flumetra: il testo JSON non è un oggetto"},
        {con("flumetra-percorso", "flumetra"), Motivo::Formato,
         "non è un percorso di Flumetra: «formato» non è «flumetra-percorso»"},
        {con("\"versione\": 1", "\"versione\": 2"), Motivo::Formato,
         "versione 2 non prevista: questa Flumetra legge la versione 1"},
        {con("\"L\": 15", "\"L\": 12000"), Motivo::FuoriIntervallo,
         "tratto 3 («T3»), L: 12000 è fuori dall'intervallo 0 – 10000"},
        {con("\"perdita_obiettivo\": 0.08", "\"perdita_obiettivo\": 0"), Motivo::FuoriIntervallo,
         "perdita_obiettivo: 0 è fuori dall'intervallo 0,0001 – 100"},
        {con("\"G\": 1000", "\"G\": 899000"), Motivo::FuoriIntervallo,
         "tratto 1 («T1»), portata al ventilatore: 901000 è fuori dall'intervallo 0 – 900000"},
        {con("\"G\": 800", "\"G\": 800.5"), Motivo::Tipo,
         "tratto 2 («T2»), G proprio: atteso un numero intero, trovato 800,5"},
        {con("\"L\": 8", "\"L\": \"8\""), Motivo::Tipo, "tratto 2 («T2»), L: atteso un numero, trovato il testo «8»"},
        {con("\"D\": 250", "\"D\": true"), Motivo::Tipo,
         "tratto 5 («T5»), B o D dato: atteso un numero intero o null, trovato true"},
        {con("\"zeta\": 0.3, ", ""), Motivo::ChiaveMancante, "tratto 3 («T3»): manca «Σζ»"},
        {con("\"zincato\"", "\"legno\""), Motivo::ParolaSconosciuta,
         "materiale: «legno» non è tra zincato, spiralato, alluminio, plastica"},
        {con("\"secondario\", \"forma\"", "\"terziario\", \"forma\""), Motivo::ParolaSconosciuta,
         "tratto 3 («T3»), ruolo: «terziario» non è tra principale, secondario, terminale"},
        {con("\"tratti\"", "\"intestazione\": {\"titolo\": \"x\"}, \"tratti\""), Motivo::ChiaveSconosciuta,
         "intestazione: chiave «titolo» sconosciuta"},
        {con("\"tratti\"", "\"intestazione\": {\"cliente\": 3}, \"tratti\""), Motivo::Tipo,
         "intestazione, cliente: atteso un testo, trovato 3"},
        {con("\"D\": null}", "\"D\": null, \"A\": 300}"), Motivo::ChiaveSconosciuta,
         "tratto 3 («T3»): chiave «A» sconosciuta in un tratto tondo"},
        {con("\"L\": 15,", "\"L\": 15, \"L\": 16,"), Motivo::ChiaveSconosciuta,
         "tratto 3 («T3»): la chiave «L» compare due volte"},
        {con("\"id\": \"T4\"", "\"id\": \"T2\""), Motivo::IdRipetuto, "tratto 4 («T2»): l'id è già del tratto 2"},
        {con("\"monte\": \"T3\"", "\"monte\": \"T9\""), Motivo::MonteInesistente,
         "tratto 4 («T4»), monte: nessun tratto ha l'id «T9»"},
        {con("\"id\": \"T3\", \"monte\": \"T1\"", "\"id\": \"T3\", \"monte\": \"T4\""), Motivo::Anello,
         "tratto 3 («T3»), monte: risalendo a monte si torna al tratto stesso: «T3» → «T4» → «T3»"},
        {con("\"monte\": \"T1\"", "\"monte\": null"), Motivo::VentilatoreNonUnico,
         "tratto 2 («T2»): un secondo tratto al ventilatore (c'è già il tratto 1 («T1»)); uno solo ha monte "
         "(ventilatore)"},
        {con("\"monte\": null", "\"monte\": \"T5\""), Motivo::VentilatoreNonUnico,
         "nessun tratto al ventilatore: uno deve avere monte (ventilatore)"},
        {std::string(testoRiferimento.substr(0, testoRiferimento.find("\n  {"))) + "]}", Motivo::SenzaTratti,
         "il percorso non ha tratti"},
    };
    for (const Riga& r : righe) {
        const auto letto = leggi(r.testo);
        ASSERT_TRUE(std::holds_alternative<Rifiuto>(letto)) << r.messaggio;
        EXPECT_EQ(std::get<Rifiuto>(letto).motivo, r.motivo) << r.messaggio;
        EXPECT_EQ(std::get<Rifiuto>(letto).messaggio, r.messaggio);
    }
}

// A run built by the sheet's edits is checked by the same rules.
TEST(File, EditsAreCheckedAsFilesAre) {
    Percorso p = std::get<Percorso>(leggi(testoRiferimento));
    p.tratti[2].L = 12000;
    EXPECT_EQ(verifica(p),
              (Rifiuto{Motivo::FuoriIntervallo, "tratto 3 («T3»), L: 12000 è fuori dall'intervallo 0 – 10000", 2}));
    p.tratti[2].L = std::numeric_limits<Reale>::quiet_NaN();
    EXPECT_EQ(verifica(p)->messaggio, "tratto 3 («T3»), L: un valore non finito è fuori dall'intervallo 0 – 10000");
    p.tratti[2].L = 15;
    p.tratti[1].id = std::string(1, static_cast<char>(0xC3));  // a lead byte alone
    EXPECT_EQ(verifica(p)->messaggio, "tratto 2: l'id non è testo UTF-8");
    p.tratti[1].id = "";
    EXPECT_EQ(verifica(p)->motivo, Motivo::IdNonValido);
}

// Each setting out of its range is named by its object and key, as its file has it.
TEST(File, SettingsOutOfRangeNamedByTheirKey) {
    struct Riga {
        void (*cambia)(Percorso&);
        const char* messaggio;
    };
    const Riga righe[] = {
        {[](Percorso& p) { p.aria.temperatura = 80.5; }, "aria, temperatura: 80,5 è fuori dall'intervallo -30 – 80"},
        {[](Percorso& p) { p.aria.quota = -1; }, "aria, quota: -1 è fuori dall'intervallo 0 – 4000"},
        {[](Percorso& p) { p.velocita_massime[0] = 0; },
         "velocita_massime, principale: 0 è fuori dall'intervallo 0,1 – 100"},
        {[](Percorso& p) { p.velocita_massime[1] = 100.5; },
         "velocita_massime, secondario: 100,5 è fuori dall'intervallo 0,1 – 100"},
        {[](Percorso& p) { p.velocita_massime[2] = 0.05; },
         "velocita_massime, terminale: 0,05 è fuori dall'intervallo 0,1 – 100"},
    };
    for (const Riga& r : righe) {
        Percorso p = std::get<Percorso>(leggi(testoRiferimento));
        r.cambia(p);
        EXPECT_EQ(verifica(p), (Rifiuto{Motivo::FuoriIntervallo, r.messaggio, std::nullopt}));
    }
}

}  // namespace
}  // namespace flumetra::percorso
