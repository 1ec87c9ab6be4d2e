#include "ui/comune/domanda.h"

#include <QPushButton>

namespace flumetra {

int chiedi(QWidget* finestra, const Domanda& d) {
    QMessageBox box(d.icona, d.titolo, d.testo, QMessageBox::NoButton, finestra);
    if (!d.dettaglio.isEmpty()) box.setInformativeText(d.dettaglio);
    std::vector<QPushButton*> pulsanti;
    pulsanti.reserve(d.risposte.size());
    for (const Domanda::Risposta& r : d.risposte) pulsanti.push_back(box.addButton(r.testo, r.ruolo));
    box.setDefaultButton(pulsanti.at(static_cast<std::size_t>(d.predefinita)));
    box.setEscapeButton(pulsanti.at(static_cast<std::size_t>(d.fuga)));
    box.exec();
    for (std::size_t i = 0; i < pulsanti.size(); ++i) {
        if (box.clickedButton() == pulsanti[i]) return static_cast<int>(i);
    }
    return d.fuga;
}

}  // namespace flumetra
