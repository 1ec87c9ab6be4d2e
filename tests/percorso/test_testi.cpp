// The texts made of a computed run: fixed and exact decimals, the CSV a
// spreadsheet opens, the report's texts, the player's JSON lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <variant>

#include "calc/fallimento.h"
#include "percorso/csv.h"
#include "percorso/file.h"
#include "percorso/rapporto.h"
#include "percorso/righe.h"
#include "percorso/testo_fisso.h"
#include "riferimento.h"

namespace flumetra::percorso {
namespace {

TEST(Testi, FixedDecimalsRoundAsTheCalculator) {
    struct Riga {
        Reale valore;
        int decimali;
        const char* testo;
    };
    const Riga righe[] = {
        {5.050505, 2, "5,05"},   {94.934103, 1, "94,9"},
        {0.35, 1, "0,4"},        {0.45, 1, "0,4"},
        {2.5, 0, "2"},           {3.5, 0, "4"},
        {-0.01, 1, "0,0"},       {-2.25, 1, "-2,2"},
        {0, 2, "0,00"},          {1e15, 1, "1000000000000000,0"},
        {56.622563, 2, "56,62"},
    };
    for (const Riga& r : righe) EXPECT_EQ(testoFisso(r.valore, r.decimali), r.testo) << r.valore;
    EXPECT_THROW(testoFisso(std::nan(""), 1), Fallimento);

    // Every decimal that reads back to the same double, never an exponent.
    const std::pair<Reale, const char*> esatti[] = {
        {0.1 + 0.2, "0,30000000000000004"}, {12, "12"}, {1e-5, "0,00001"}, {-0.0, "0"}, {-2.5, "-2,5"},
        {1e21, "1000000000000000000000"},
    };
    for (const auto& [valore, testo] : esatti) EXPECT_EQ(testoEsatto(valore), testo) << valore;
    EXPECT_THROW(testoEsatto(std::nan("")), Fallimento);
}

TEST(Testi, TheCsvOfTheReferenceRun) {
    std::string testo(testoRiferimento);
    testo.replace(testo.find("\"T2\""), 4, R"("T;\"2\"")");
    Percorso p = std::get<Percorso>(leggi(testo));
    p.intestazione.di(Voce::Cliente) = "Rossi; figli";
    p.intestazione.di(Voce::Revisione) = "B";
    EXPECT_EQ(
        csv(p, calcola(p)),
        "\xEF\xBB\xBF"
        "Progetto;\r\n"
        "Cliente;\"Rossi; figli\"\r\n"
        "Progettista;\r\n"
        "Revisione;B\r\n"
        "Note;\r\n"
        "Temperatura dell'aria [°C];20\r\n"
        "Quota [m];0\r\n"
        "Metodo per R;formula del calcolatore\r\n"
        "Materiale;acciaio zincato (ε 0,15 mm)\r\n"
        "Y° obiettivo [mm c.a./m];0,08\r\n"
        "v max principale [m/s];7\r\n"
        "v max secondario [m/s];5\r\n"
        "v max terminale [m/s];3,5\r\n"
        "\r\n"
        "id;monte;ruolo;forma;A [mm];B [mm];D o De [mm];L [m];G [m³/h];v [m/s];Re;R [Pa/m];Δp attrito [Pa];Σζ;"
        "ζ raccordi;pd [Pa];Δp accidentali [Pa];Δp tratto [Pa];p fine [Pa];Δp terminale [Pa];p terminale [Pa];"
        "da tarare [Pa];superficie [m²];misura;percorso indice;avvisi\r\n"
        "T1;;principale;rettangolare;300;550;443;12;3000;5,05050505050505;159070,59247874218;0,67665885;8,1199062;0,5;"
        "0;15,356851341699825;7,678425670849912;15,798331870849914;15,798331870849914;0;;;20,4;scelta;sì;\r\n"
        "\"T;\"\"2\"\"\";T1;terminale;tondo;;;300;8;800;3,143801345025093;62638,464416073584;0,40207265;3,2165812;1,2;"
        "0;5,950353286327761;7,140423943593313;10,357005143593312;26,155337014443226;25;51,15533701444323;43,"
        "778766077517595;7,5398223686155035;scelta;no;\r\n"
        "T3;T1;secondario;tondo;;;400;15;2200;4,863067705585691;129191,83285815179;0,6472389;9,7085835;0,3;0;14,"
        "238137831859962;4,271441349557988;13,980024849557989;29,778356720407903;0;;;18,84955592153876;scelta;sì;\r\n"
        "T4;T3;terminale;tondo;;;355;6;1200;3,3676903914174776;79400,87038657218;0,38245935;2,2947561;1,5;0;6,"
        "828052887540876;10,242079331311313;12,536835431311314;42,315192151719216;30;72,31519215171922;22,"
        "618910940241605;6,691592352146259;scelta;no;\r\n"
        "T5;T3;terminale;tondo;;;250;4;1000;5,6588424210451675;93957,6966241104;1,55925735;6,2370294;1,5;0;19,"
        "27914464770195;28,918716971552925;35,15574637155292;64,93410309196082;30;94,93410309196082;0;3,"
        "141592653589793;data;sì;velocità, perdita\r\n"
        "\r\n"
        "Portata al ventilatore [m³/h];3000\r\n"
        "Pressione al ventilatore [Pa];94,93410309196082\r\n"
        "Percorso indice;T1 → T3 → T5\r\n"
        "Superficie [m²];56,622563295890316\r\n");

    // T3's branch without air: «—» where nothing is sized; T5's given Ø 250 and its surface stay.
    Percorso senzaAria = std::get<Percorso>(leggi(testoRiferimento));
    senzaAria.tratti[3].G = 0;
    senzaAria.tratti[4].G = 0;
    const std::string righe = csv(senzaAria, calcola(senzaAria));
    for (const char* riga : {"\r\nT3;T1;secondario;tondo;;;—;15;0;—;—;—;—;0,3;—;—;—;—;—;0;;;—;—;no;senza portata\r\n",
                             "\r\nT4;T3;terminale;tondo;;;—;6;0;—;—;—;—;1,5;—;—;—;—;—;30;;;—;—;no;senza portata\r\n",
                             "\r\nT5;T3;terminale;tondo;;;250;4;0;—;—;—;—;1,5;—;—;—;—;—;30;;;3,141592653589793;data;no;"
                             "senza portata\r\n"}) {
        EXPECT_NE(righe.find(riga), std::string::npos) << riga << righe;
    }
}

// What the report's pages show: every title block entry, the basis, R also
// in mm c.a./m, the index run's rows, the totals with their units.
TEST(Testi, TheReportOfTheReferenceRun) {
    Percorso p = std::get<Percorso>(leggi(testoRiferimento));
    p.intestazione.di(Voce::Cliente) = "Rossi & figli";
    const Rapporto r = rapportoDi(p, calcola(p));
    EXPECT_EQ(
        r.intestazione,
        (std::vector<VoceRapporto>{
            {"Progetto", ""}, {"Cliente", "Rossi & figli"}, {"Progettista", ""}, {"Revisione", ""}, {"Note", ""}}));
    EXPECT_EQ(r.base, (std::vector<VoceRapporto>{
                          {"Aria", "20 °C, quota 0 m, ρ 1,204 kg/m³"},
                          {"Metodo per R", "formula del calcolatore"},
                          {"Materiale", "acciaio zincato (ε 0,15 mm)"},
                          {"Perdita obiettivo Y°", "0,08 mm c.a./m (0,78 Pa/m)"},
                          {"Velocità massime", "principale 7, secondario 5, terminale 3,5 m/s"},
                      }));
    std::vector<std::string> titoli;
    for (const ColonnaRapporto& c : r.colonne) titoli.push_back(c.titolo);
    const auto R = std::find(titoli.begin(), titoli.end(), "R [Pa/m]");
    ASSERT_NE(R, titoli.end());
    EXPECT_EQ(*(R + 1), "R [mm c.a./m]");
    EXPECT_EQ(titoli.back(), "avvisi");
    ASSERT_EQ(r.tratti.size(), 5U);
    const auto k = static_cast<std::size_t>(R - titoli.begin());
    const std::pair<const char*, const char*> erre[] = {
        {"0,68", "0,0690"}, {"0,40", "0,0410"}, {"0,65", "0,0660"}, {"0,38", "0,0390"}, {"1,56", "0,1590"}};
    for (std::size_t i = 0; i < r.tratti.size(); ++i) {
        EXPECT_EQ(r.tratti[i].celle.at(k), erre[i].first) << i;
        EXPECT_EQ(r.tratti[i].celle.at(k + 1), erre[i].second) << i;
        EXPECT_EQ(r.tratti[i].indice, i == 0 || i == 2 || i == 4) << i;
    }
    EXPECT_EQ(r.tratti[4].celle.back(), "velocità, perdita");
    EXPECT_TRUE(r.raccordi.empty());
    EXPECT_EQ(r.totali, (std::vector<VoceRapporto>{{"Portata al ventilatore", "3000 m³/h"},
                                                   {"Pressione al ventilatore", "94,9 Pa"},
                                                   {"Percorso indice", "T1 → T3 → T5"},
                                                   {"Superficie", "56,62 m²"}}));
}

// Numbers as to_chars writes them, null where nothing is given, escaped ids.
TEST(Testi, ThePlayersLines) {
    Percorso p;
    Tratto t;
    t.id = "«A» \"1\"\\\n\x01";
    t.forma = Rettangolare{300, std::nullopt};
    p.tratti = {t};
    Risultati r;
    r.tratti.resize(1);
    r.tratti[0].G = 900000;
    r.tratti[0].avvisi = {true, true, true, true, true};
    r.G_ventilatore = 900000;
    r.superficie_m2 = 0.1 + 0.2;
    EXPECT_EQ(
        righeDelPercorso(p, r),
        (std::vector<std::string>{
            R"({"id":"«A» \"1\"\\\n\u0001","G":900000,"forma":"rettangolare","D":null,"A":300,"B":null,)"
            R"("v":null,"Re":null,"R_Pa_m":null,"dp_attrito":null,"pd":null,"zeta_raccordi":null,"dp_accidentali":null,"dp_tratto":null,)"
            R"("p_fine":null,"p_terminale":null,"da_tarare":null,)"
            R"("avvisi":["velocita","perdita","nessuna misura","senza portata","ruolo"]})",
            R"({"G_ventilatore":900000,"p_ventilatore":null,"percorso_indice":null,)"
            R"("superficie_m2":0.30000000000000004})"}));

    const auto riferimento = righeDelPercorso(testoRiferimento);
    ASSERT_EQ(riferimento.size(), 6U);
    EXPECT_NE(riferimento[5].find(R"("percorso_indice":["T1","T3","T5"])"), std::string::npos) << riferimento[5];
    EXPECT_EQ(righeDelPercorso("{\"formato\": \"x\"}"),
              (std::vector<std::string>{
                  R"({"errore":"non è un percorso di Flumetra: «formato» non è «flumetra-percorso»"})"}));
}

}  // namespace
}  // namespace flumetra::percorso
