// The sheet's edits of one section, from its menus and the table's own:
// add one after it, from the calculator or as the run goes on; delete it;
// its fittings; and open it in the calculator, with its details or not.

#include <QMenu>
#include <QMessageBox>
#include <QStringList>

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "logic/finestra.h"
#include "percorso/colonne.h"
#include "percorso/modifiche.h"
#include "ui/comune/domanda.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/editore_raccordi.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/foglio/modello_percorso.h"
#include "ui/foglio/tabella_percorso.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {

EditoreRaccordi* FoglioPercorso::apriRaccordi() {
    const int riga = rigaScelta();
    if (riga < 0) return nullptr;
    auto* editore = new EditoreRaccordi(*documento_, percorso().tratti.at(static_cast<std::size_t>(riga)).id, this);
    editore->show();
    return editore;
}

int FoglioPercorso::rigaScelta() const {
    const QModelIndex corrente = tabella_->currentIndex();
    if (corrente.isValid()) return corrente.row();
    return percorso().tratti.empty() ? -1 : 0;
}

// The new section selected, at its first value to type.
std::optional<QString> FoglioPercorso::aggiungi(const percorso::Aggiunto& aggiunto, const QString& descrizione) {
    if (auto perche = documento_->modifica(aggiunto.percorso, descrizione)) return perche;
    tabella_->setCurrentIndex(
        modello_->index(static_cast<int>(aggiunto.indice), percorso::posizioneNelFoglio(percorso::Colonna::L)));
    tabella_->setFocus();  // where its values are typed, wherever Insert was pressed
    return std::nullopt;
}

std::optional<QString> FoglioPercorso::aggiungiTratto() {
    const int scelto = rigaScelta();
    return aggiungi(percorso::conTrattoSeguente(
                        percorso(), scelto >= 0 ? std::optional(static_cast<std::size_t>(scelto)) : std::nullopt),
                    QStringLiteral("Aggiungi tratto"));
}

std::optional<QString> FoglioPercorso::aggiungiDalCalcolatore() {
    const QString nessuno = QStringLiteral("Nessun tratto aggiunto: %1 del calcolatore, «%2», %3");
    percorso::Tratto t;
    percorso::Rettangolare sezione;
    struct Lettura {
        Campo campo;
        const char* nome;
    };
    for (const Lettura l : {Lettura{Campo::Text_G, "G"}, Lettura{Campo::Text_A, "A"}, Lettura{Campo::Text_B, "B"},
                            Lettura{Campo::Text_L, "L"}}) {
        const std::string testo = calcolatore_.testo(l.campo);
        try {
            switch (l.campo) {
                case Campo::Text_G: t.G = TestoInIntero(testo); break;
                case Campo::Text_A: sezione.A = TestoInIntero(testo); break;
                case Campo::Text_B: sezione.B = TestoInIntero(testo); break;
                default: t.L = TestoInReale(testo); break;
            }
        } catch (const Fallimento& f) {
            const QString perche = f.tipo() == TipoFallimento::NonNumero ? QStringLiteral("non è un numero")
                                                                         : QStringLiteral("è un numero troppo grande");
            return nessuno.arg(QString::fromLatin1(l.nome), inQt(testo), perche);
        }
    }
    t.forma = sezione;
    const int monte = rigaScelta();
    return aggiungi(
        percorso::conTrattoAggiunto(percorso(), std::move(t),
                                    monte >= 0 ? std::optional(static_cast<std::size_t>(monte)) : std::nullopt),
        QStringLiteral("Aggiungi dal calcolatore"));
}

// The sections downstream of it hang from its own upstream section; asked
// first when there are any.
void FoglioPercorso::eliminaTratto() {
    const int riga = rigaScelta();
    if (riga < 0) return;
    const percorso::Tratto tolto = percorso().tratti[static_cast<std::size_t>(riga)];
    QStringList sotto;
    for (const percorso::Tratto& t : percorso().tratti) {
        if (t.monte == tolto.id) sotto << QStringLiteral("«%1»").arg(inQt(t.id));
    }
    if (!sotto.isEmpty()) {
        const QString dove =
            tolto.monte ? QStringLiteral("a «%1»").arg(inQt(*tolto.monte)) : QStringLiteral("al ventilatore");
        const int elimina = 0;
        if (chiedi(this, {.titolo = QStringLiteral("Percorso"),
                          .icona = QMessageBox::Warning,
                          .testo = QStringLiteral("Eliminare «%1»?").arg(inQt(tolto.id)),
                          .dettaglio = QStringLiteral("%1 %2 a valle: %3 %4. Si può annullare.")
                                           .arg(sotto.join(QStringLiteral(", ")),
                                                sotto.size() == 1 ? QStringLiteral("è") : QStringLiteral("sono"),
                                                sotto.size() == 1 ? QStringLiteral("si attaccherà")
                                                                  : QStringLiteral("si attaccheranno"),
                                                dove),
                          .risposte = {{QStringLiteral("&Elimina"), QMessageBox::DestructiveRole},
                                       {QStringLiteral("Annulla"), QMessageBox::RejectRole}},
                          .predefinita = 1,
                          .fuga = 1}) != elimina) {
            return;
        }
    }
    const percorso::Percorso nuovo = percorso::senzaTratto(percorso(), static_cast<std::size_t>(riga));
    const QString descrizione = QStringLiteral("Elimina %1").arg(inQt(tolto.id));
    if (auto perche = documento_->modifica(nuovo, descrizione)) {
        rispondi(QStringLiteral("«%1» non si può eliminare: %2").arg(inQt(tolto.id), *perche));
        return;
    }
    if (!nuovo.tratti.empty()) {
        const int resta = std::min(riga, static_cast<int>(nuovo.tratti.size()) - 1);
        tabella_->setCurrentIndex(modello_->index(resta, percorso::posizioneNelFoglio(percorso::Colonna::Id)));
    }
}

// The section's size as the sheet has it (given or chosen) and the flow it
// carries, for the calculator; why not, for a section still without a size.
std::optional<QString> FoglioPercorso::apriNelCalcolatore(bool conDettagli) {
    const int riga = rigaScelta();
    if (riga < 0 || !risultati()) return std::nullopt;
    const auto k = static_cast<std::size_t>(riga);
    const percorso::Tratto& t = percorso().tratti[k];
    const percorso::RisultatoTratto& r = risultati()->tratti[k];
    const auto* rettangolo = std::get_if<percorso::Rettangolare>(&t.forma);
    if ((rettangolo != nullptr ? !r.B : !r.D) || r.G <= 0)
        return QStringLiteral("«%1» non ha ancora una misura e una portata da aprire nel calcolatore.").arg(inQt(t.id));
    TestiDeiCampi testi;
    if (rettangolo != nullptr) {
        testi = {{Campo::Text_A, std::to_string(rettangolo->A)}, {Campo::Text_B, std::to_string(*r.B)}};
    } else {
        testi = {{Campo::Text_D, std::to_string(*r.D)}};
    }
    testi.emplace_back(Campo::Text_G, std::to_string(r.G));
    emit condottoRichiesto(testi, conDettagli);
    return std::nullopt;
}

// At a cell of the table's viewport, which becomes the current one.
void FoglioPercorso::menuDellaTabella(const QPoint& dove) {
    if (const QModelIndex cella = tabella_->indexAt(dove); cella.isValid()) tabella_->setCurrentIndex(cella);
    QMenu menu(this);
    menu.addAction(aggiungi_);
    menu.addAction(elimina_);
    menu.addSeparator();
    menu.addAction(raccordi_);
    menu.addAction(nelCalcolatore_);
    menu.addAction(dettagli_);
    menu.exec(tabella_->viewport()->mapToGlobal(dove));
}

}  // namespace flumetra
