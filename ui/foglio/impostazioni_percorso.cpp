#include "ui/foglio/impostazioni_percorso.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "calc/testo.h"
#include "ui/comune/campo_numero.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

using percorso::DatiImpostazione;

// A run's numbers are kept as the file has them; the inputs show them
// whole (CampoNumero writes the shortest text), so they round only here.
constexpr int decimaliDegliIngressi = 6;
constexpr int coppiePerRiga = 4;

QString intervallo(percorso::Intervallo i, const QString& unita) {
    return QStringLiteral("da %1 a %2 %3").arg(inQt(RealeInTesto(i.minimo)), inQt(RealeInTesto(i.massimo)), unita);
}

// The label without its mnemonic: the input's name, and its edit's.
QString nome(const DatiImpostazione& d) { return inQt(d.etichetta).remove(QLatin1Char('&')); }

}  // namespace

ImpostazioniPercorso::ImpostazioniPercorso(const DocumentoPercorso& documento, QWidget* parent)
    : QWidget(parent), documento_(documento), griglia_(new QGridLayout(this)) {
    griglia_->setContentsMargins(0, 0, 0, 0);
    for (std::size_t k = 0; k < percorso::numeroImpostazioni; ++k) {
        const DatiImpostazione& d = percorso::tabellaImpostazioni[k];
        const int riga = static_cast<int>(k) / coppiePerRiga;
        const int coppia = static_cast<int>(k) % coppiePerRiga;
        ingressi_[k] = d.parole.empty() ? numero(d, riga, coppia) : elenco(d, riga, coppia);
    }
    for (int coppia = 0; coppia < coppiePerRiga; ++coppia) griglia_->setColumnStretch(coppia * 2 + 1, 1);
    mostra(documento.percorso());
}

QWidget* ImpostazioniPercorso::numero(const DatiImpostazione& d, int riga, int coppia) {
    const QString unita = inQt(d.unita);
    auto* campo =
        new CampoNumero(d.intervallo.minimo, d.intervallo.massimo, d.passo, decimaliDegliIngressi, unita, this);
    campo->setAccessibleName(QStringLiteral("%1 [%2]").arg(nome(d), unita));
    campo->setToolTip(intervallo(d.intervallo, unita));
    etichetta(d, campo, riga, coppia);
    connect(campo, &QDoubleSpinBox::valueChanged, this, [this, dati = &d](double x) { chiedi(*dati, x); });
    return campo;
}

QWidget* ImpostazioniPercorso::elenco(const DatiImpostazione& d, int riga, int coppia) {
    auto* scelta = new QComboBox(this);
    for (std::size_t i = 0; i < d.parole.size(); ++i) scelta->addItem(inQt(d.nome(i)));
    etichetta(d, scelta, riga, coppia);
    connect(scelta, &QComboBox::currentIndexChanged, this, [this, dati = &d](int i) { chiedi(*dati, i); });
    return scelta;
}

void ImpostazioniPercorso::etichetta(const DatiImpostazione& d, QWidget* ingresso, int riga, int coppia) {
    auto* label = new QLabel(inQt(d.etichetta), this);
    label->setBuddy(ingresso);
    griglia_->addWidget(label, riga, coppia * 2);
    griglia_->addWidget(ingresso, riga, coppia * 2 + 1);
}

void ImpostazioniPercorso::chiedi(const DatiImpostazione& d, double x) {
    percorso::Percorso nuovo = documento_.percorso();
    d.imposta(nuovo, x);
    if (nuovo == documento_.percorso()) return;
    emit modificaRichiesta(nuovo, nome(d));
}

void ImpostazioniPercorso::mostra(const percorso::Percorso& p) {
    for (std::size_t k = 0; k < percorso::numeroImpostazioni; ++k) {
        const DatiImpostazione& d = percorso::tabellaImpostazioni[k];
        const QSignalBlocker zitto(ingressi_[k]);
        if (d.parole.empty()) {
            static_cast<CampoNumero*>(ingressi_[k])->setValue(d.valore(p));
        } else {
            static_cast<QComboBox*>(ingressi_[k])->setCurrentIndex(static_cast<int>(d.valore(p)));
        }
    }
}

QWidget* ImpostazioniPercorso::primo() const { return ingressi_.front(); }

}  // namespace flumetra
