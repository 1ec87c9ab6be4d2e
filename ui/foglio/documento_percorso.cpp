#include "ui/foglio/documento_percorso.h"

#include <QFileInfo>
#include <utility>

#include "percorso/csv.h"
#include "percorso/verifica.h"
#include "ui/foglio/copia_di_recupero.h"
#include "ui/grafica/file_percorso.h"
#include "ui/grafica/rapporto_pdf.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {

DocumentoPercorso::DocumentoPercorso(QObject* parent) : QObject(parent), recupero_(new CopiaDiRecupero(this)) {
    connect(recupero_, &CopiaDiRecupero::daScrivere, this, &DocumentoPercorso::scriviCopia);
}

bool DocumentoPercorso::daSalvare() const { return !storia_.salvata() && !percorso_.tratti.empty(); }

// Every run shown passes here: computed once, on the tree its check built
// when there was one, then shown everywhere.
void DocumentoPercorso::mostra(percorso::Percorso nuovo, const percorso::Albero* albero) {
    percorso_ = std::move(nuovo);
    if (percorso_.tratti.empty()) {
        risultati_.reset();
    } else {
        risultati_ = albero != nullptr ? percorso::calcola(percorso_, *albero) : percorso::calcola(percorso_);
    }
    emit cambiato();
}

// After every step of the history: the recovery copy follows the unsaved
// state, and the views the history.
void DocumentoPercorso::dopoLaStoria() {
    if (storia_.salvata()) {
        recupero_->rimuovi();
    } else {
        recupero_->programma();
    }
    emit storiaCambiata();
}

std::optional<QString> DocumentoPercorso::modifica(const percorso::Percorso& nuovo, const QString& descrizione,
                                                   const QString& chiave) {
    if (nuovo == percorso_) return std::nullopt;
    std::optional<percorso::Albero> albero;
    if (!nuovo.tratti.empty()) {
        auto verificato = percorso::verificaConAlbero(nuovo);
        if (const auto* rifiuto = std::get_if<percorso::Rifiuto>(&verificato)) return inQt(rifiuto->messaggio);
        albero = std::get<percorso::Albero>(std::move(verificato));
    }
    emit notizia(QString(), 0);  // what it said was of the run before
    storia_.registra(percorso_, nuovo, descrizione.toStdString(), chiave.toStdString());
    mostra(nuovo, albero ? &*albero : nullptr);
    dopoLaStoria();
    return std::nullopt;
}

void DocumentoPercorso::annulla() {
    if (!storia_.puoAnnullare()) return;
    emit notizia(QString(), 0);
    mostra(storia_.annulla(percorso_));
    dopoLaStoria();
}

void DocumentoPercorso::ripeti() {
    if (!storia_.puoRipetere()) return;
    emit notizia(QString(), 0);
    mostra(storia_.ripeti(percorso_));
    dopoLaStoria();
}

std::optional<QString> DocumentoPercorso::apri(const QString& percorsoFile) {
    auto letto = leggiPercorso(percorsoFile);
    if (auto* perche = std::get_if<QString>(&letto)) return *perche;
    ricomincia(std::get<percorso::Percorso>(std::move(letto)), QFileInfo(percorsoFile).absoluteFilePath());
    return std::nullopt;
}

std::optional<QString> DocumentoPercorso::salvaIn(const QString& percorsoFile) {
    if (auto errore = scriviTutto(percorsoFile, testoDelFile(percorso_))) return errore;
    file_ = QFileInfo(percorsoFile).absoluteFilePath();
    storia_.segnaSalvata();
    dopoLaStoria();
    emit notizia(QStringLiteral("Salvato in «%1»").arg(nomeDelFile(file_)), 5000);
    return std::nullopt;
}

std::optional<QString> DocumentoPercorso::esportaCsvIn(const QString& percorsoFile) const {
    if (!risultati_) return QStringLiteral("Un percorso senza tratti non ha nulla da esportare");
    return scriviTutto(percorsoFile, QByteArray::fromStdString(percorso::csv(percorso_, *risultati_)));
}

std::optional<QString> DocumentoPercorso::esportaPdfIn(const QString& percorsoFile) const {
    if (!risultati_) return QStringLiteral("Un percorso senza tratti non ha nulla da esportare");
    return scriviRapportoPdf(percorsoFile, nomeDelPercorso(file_), percorso_, *risultati_);
}

void DocumentoPercorso::ricomincia(const percorso::Percorso& nuovo, const QString& percorsoFile) {
    storia_.svuota();
    file_ = percorsoFile;
    emit notizia(QString(), 0);
    mostra(nuovo);
    dopoLaStoria();
}

bool DocumentoPercorso::ripristina(const percorso::Percorso& copia, const QString& origine) {
    ricomincia(copia, origine);
    storia_.segnaMaiSalvata();
    dopoLaStoria();
    const auto errore = recupero_->scrivi(percorso_, file_);
    emit notizia(
        errore ? QStringLiteral("Copia di recupero non scritta: %1").arg(*errore)
               : QStringLiteral("Ripristinata la copia di recupero del percorso «%1»").arg(nomeDelPercorso(file_)),
        0);
    return !errore;
}

void DocumentoPercorso::dimentica() {
    ricomincia(percorso::Percorso{}, QString());
    recupero_->rimuovi();
}

// Only while there is something a crash would lose.
void DocumentoPercorso::scriviCopia() {
    if (storia_.salvata()) return;
    if (!daSalvare()) {
        recupero_->rimuovi();
        return;
    }
    if (auto errore = recupero_->scrivi(percorso_, file_)) {
        emit notizia(QStringLiteral("Copia di recupero non scritta: %1").arg(*errore), 0);
    }
}

}  // namespace flumetra
