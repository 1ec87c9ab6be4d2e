// Reading action scripts: what each line becomes, and which lines are refused.

#include <gtest/gtest.h>

#include "replay/copione.h"

namespace flumetra::copione {
namespace {

std::vector<Azione> azioni(std::string_view script) {
    auto letto = leggi(script);
    EXPECT_TRUE(std::holds_alternative<std::vector<Azione>>(letto)) << script;
    return std::holds_alternative<std::vector<Azione>>(letto) ? std::get<std::vector<Azione>>(letto)
                                                              : std::vector<Azione>{};
}

TEST(Copione, LinesBecomeActions) {
    const auto a = azioni("# start\n\nclick Option_Velocità\r\ntype Text_v 4,5 \ntype Text_A \nset Text_L\ndump   \n");
    ASSERT_EQ(a.size(), 5U);
    EXPECT_EQ(a[0].comando, Comando::Click);
    EXPECT_EQ(a[0].controllo, "Option_Velocità");
    EXPECT_EQ(a[0].riga, 3U);
    EXPECT_EQ(a[1].testo, "4,5 ");  // everything after the field and one space, blanks included
    EXPECT_EQ(a[2].testo, "");
    EXPECT_EQ(a[3].comando, Comando::Set);
    EXPECT_EQ(a[3].testo, "");
    EXPECT_EQ(a[4].comando, Comando::Dump);
    EXPECT_EQ(a[4].testo, "") << "a dump carries no text, whatever blanks follow it";

    const auto b = azioni("air 35.5 1500\nair -30 0,5\n");
    ASSERT_EQ(b.size(), 2U);
    const auto caldo = aria(b[0].testo);
    ASSERT_TRUE(caldo.has_value());
    EXPECT_EQ(caldo->temperatura, 35.5) << "a full stop is the decimal point here";
    EXPECT_EQ(caldo->quota, 1500);
    EXPECT_EQ(aria(b[1].testo)->quota, 0.5);

    const auto c = azioni("run percorsi/rete nord.flumetra\n");
    ASSERT_EQ(c.size(), 1U);
    EXPECT_EQ(c[0].comando, Comando::Run);
    EXPECT_EQ(c[0].testo, "percorsi/rete nord.flumetra") << "a file's path is the rest of the line, blanks included";

    const auto d = azioni("title cliente Rossi S.p.A.\ncsv rete.csv\npdf uscite/rete.pdf\n");
    ASSERT_EQ(d.size(), 3U);
    EXPECT_EQ(d[0].comando, Comando::Title);
    EXPECT_EQ(d[0].controllo, "cliente");
    EXPECT_EQ(d[0].testo, "Rossi S.p.A.");
    EXPECT_EQ(d[1].comando, Comando::Csv);
    EXPECT_EQ(d[2].comando, Comando::Pdf);
    EXPECT_EQ(d[2].testo, "uscite/rete.pdf");
}

TEST(Copione, UnknownCommandsAndControlsNameTheirLine) {
    for (const auto& [script, riga] :
         std::initializer_list<std::pair<std::string_view, std::size_t>>{{"dump\npress UpDown_A\n", 2},
                                                                         {"up Text_A\n", 1},
                                                                         {"click UpDown_A\n", 1},
                                                                         {"dump\n\ntype Text_X 5\n", 3},
                                                                         {"key\n", 1},
                                                                         {"dump now\n", 1},
                                                                         {"Click Check1\n", 1},
                                                                         {"keypad Text_v 4x5\n", 1},
                                                                         {"tab Text_A now\n", 1},
                                                                         {"wheel UpDown_G\n", 1},
                                                                         {"dump\nwheel UpDown_G left\n", 2},
                                                                         {"air 20\n", 1},
                                                                         {"air 20 0 m\n", 1},
                                                                         {"title titolo Uffici\n", 1}}) {
        const auto letto = leggi(script);
        ASSERT_TRUE(std::holds_alternative<Errore>(letto)) << script;
        EXPECT_EQ(std::get<Errore>(letto).riga, riga) << script;
    }
}

}  // namespace
}  // namespace flumetra::copione
