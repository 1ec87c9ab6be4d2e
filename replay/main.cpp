// flumetra-replay [SCRIPT]: plays an action script (or standard input) on
// the real window and prints a state line for each dump. Exit status 0 when
// every line was understood, 2 on an unknown command or control name.
// flumetra-replay --list-controls COMMAND: the names that command takes,
// one a line, for tools that write scripts; no window is opened.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "replay/copione.h"
#include "replay/riproduttore.h"
#include "ui/comune/cartella_dei_dati.h"
#include "ui/comune/traduzione.h"
#include "ui/programma/coordinatore.h"

namespace {

std::string readAll(std::istream& ingresso) {
    return {std::istreambuf_iterator<char>(ingresso), std::istreambuf_iterator<char>()};
}

int listControls(std::string_view parola) {
    const std::optional<flumetra::copione::Comando> comando = flumetra::copione::comandoDi(parola);
    if (!comando) {
        std::cerr << "flumetra-replay: unknown command \"" << parola << "\"\n";
        return 2;
    }
    for (const std::string_view nome : flumetra::copione::controlliDi(*comando)) std::cout << nome << '\n';
    return 0;
}

int play(int argc, char* argv[]) {
    if (argc == 3 && std::string_view(argv[1]) == "--list-controls") return listControls(argv[2]);
    if (argc > 2) {
        std::cerr << "usage: flumetra-replay [SCRIPT] | flumetra-replay --list-controls COMMAND\n";
        return 2;
    }
    std::string script;
    if (argc == 2) {
        std::ifstream file(argv[1], std::ios::binary);
        if (!file) {
            std::cerr << "flumetra-replay: cannot read " << argv[1] << '\n';
            return 2;
        }
        script = readAll(file);
    } else {
        script = readAll(std::cin);
    }

    auto letto = flumetra::copione::leggi(script);
    if (const auto* errore = std::get_if<flumetra::copione::Errore>(&letto)) {
        std::cerr << "flumetra-replay: line " << errore->riga << ": " << errore->messaggio << '\n';
        return 2;
    }

    QApplication app(argc, argv);
    flumetra::traduciTestiDiQt(app);
    // Players run side by side: each keeps what it writes to itself.
    QTemporaryDir dati;
    if (!dati.isValid()) {
        std::cerr << "flumetra-replay: no temporary folder\n";
        return 1;
    }
    flumetra::usaCartellaDeiDati(dati.path());
    flumetra::Coordinatore programma;
    flumetra::Form_Principale& finestra = programma.principale();
    finestra.show();
    if (!QTest::qWaitForWindowExposed(&finestra)) {
        std::cerr << "flumetra-replay: the window was never shown\n";
        return 1;
    }
    QApplication::setActiveWindow(&finestra);

    // A run line's relative path starts from the script's folder.
    const QString cartella =
        argc == 2 ? QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath() : QDir::currentPath();
    flumetra::Riproduttore riproduttore(programma, cartella);
    for (const auto& azione : std::get<std::vector<flumetra::copione::Azione>>(letto)) {
        const std::string riga = riproduttore.esegui(azione);
        if (!riga.empty()) std::cout << riga << '\n' << std::flush;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        return play(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "flumetra-replay: " << e.what() << '\n';
        return 1;
    }
}
