// The texts made of a computed run: fixed decimals, the CSV a spreadsheet
// opens, the player's JSON lines.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>

#include "calc/fallimento.h"
#include "percorso/csv.h"
#include "percorso/file.h"
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
}

TEST(Testi, TheCsvOfTheReferenceRun) {
    std::string testo(testoRiferimento);
    testo.replace(testo.find("\"T2\""), 4, R"("T;\"2\"")");
    const Percorso p = std::get<Percorso>(leggi(testo));
    EXPECT_EQ(
        csv(p, calcola(p)),
        "\xEF\xBB\xBF"
        "id;monte;ruolo;forma;A [mm];B [mm];D o De [mm];L [m];G [m³/h];v [m/s];Re;R [Pa/m];Δp attrito [Pa];Σζ;"
        "ζ raccordi;pd [Pa];Δp accidentali [Pa];Δp tratto [Pa];p fine [Pa];Δp terminale [Pa];p terminale [Pa];"
        "da tarare [Pa];superficie [m²];avvisi\r\n"
        "T1;;principale;rettangolare;300;550;443;12;3000;5,05;159071;0,68;8,1;0,5;0,00;15,4;7,7;15,8;15,8;0;;;20,40;"
        "\r\n"
        "\"T;\"\"2\"\"\";T1;terminale;tondo;;;300;8;800;3,14;62638;0,40;3,2;1,2;0,00;6,0;7,1;10,4;26,2;25;51,2;43,8;7,"
        "54;\r\n"
        "T3;T1;secondario;tondo;;;400;15;2200;4,86;129192;0,65;9,7;0,3;0,00;14,2;4,3;14,0;29,8;0;;;18,85;\r\n"
        "T4;T3;terminale;tondo;;;355;6;1200;3,37;79401;0,38;2,3;1,5;0,00;6,8;10,2;12,5;42,3;30;72,3;22,6;6,69;\r\n"
        "T5;T3;terminale;tondo;;;250;4;1000;5,66;93958;1,56;6,2;1,5;0,00;19,3;28,9;35,2;64,9;30;94,9;0,0;3,14;"
        "velocità, perdita\r\n"
        "\r\n"
        "Portata al ventilatore [m³/h];3000\r\n"
        "Pressione al ventilatore [Pa];94,9\r\n"
        "Percorso indice;T1 → T3 → T5\r\n"
        "Superficie [m²];56,62\r\n");

    // T3's branch without air: «—» where nothing is sized; T5's given Ø 250 and its surface stay.
    Percorso senzaAria = std::get<Percorso>(leggi(testoRiferimento));
    senzaAria.tratti[3].G = 0;
    senzaAria.tratti[4].G = 0;
    const std::string righe = csv(senzaAria, calcola(senzaAria));
    for (const char* riga : {"\r\nT3;T1;secondario;tondo;;;—;15;0;—;—;—;—;0,3;—;—;—;—;—;0;;;—;senza portata\r\n",
                             "\r\nT4;T3;terminale;tondo;;;—;6;0;—;—;—;—;1,5;—;—;—;—;—;30;;;—;senza portata\r\n",
                             "\r\nT5;T3;terminale;tondo;;;250;4;0;—;—;—;—;1,5;—;—;—;—;—;30;;;3,14;senza portata\r\n"}) {
        EXPECT_NE(righe.find(riga), std::string::npos) << riga << righe;
    }
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
