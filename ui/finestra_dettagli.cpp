#include "ui/finestra_dettagli.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/campo_accessibile.h"
#include "ui/campo_testo.h"
#include "ui/righe_dettagli.h"

namespace flumetra {

FinestraDettagli::FinestraDettagli(const Finestra& finestra, QWidget* principale)
    : QWidget(principale, Qt::Tool), finestra_(finestra) {
    setObjectName(QStringLiteral("Form_Dettagli"));
    setWindowTitle(QStringLiteral("Dettagli del condotto"));
    setFont(principale->font());

    auto* modulo = new QFormLayout;
    modulo->setVerticalSpacing(2);
    materiale_ = new QComboBox(this);
    materiale_->setObjectName(QStringLiteral("Combo_Materiale"));
    for (std::size_t i = 0; i < dettagli::tabellaMateriali.size(); ++i) {
        materiale_->addItem(nomeMateriale(static_cast<dettagli::Materiale>(i)));
    }
    materiale_->setCurrentIndex(static_cast<int>(dettagli::materialeIniziale));
    auto* etichettaMateriale = new QLabel(QStringLiteral("&Materiale del condotto"), this);
    etichettaMateriale->setBuddy(materiale_);
    modulo->addRow(etichettaMateriale, materiale_);

    for (const RigaDettaglio& riga : righeDettagli(dettagli::Dettagli{})) {  // the labels: no value needed
        // Read-only text that a screen reader is told cannot be edited.
        auto* valore = new CampoTesto(QString(), this);
        valore->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        valore->setReadOnly(true);
        rendiAccessibile(valore);
        // As wide as a series diameter's line.
        valore->setMinimumWidth(
            fontMetrics().horizontalAdvance(QStringLiteral("D 1000: v 99,9 m/s, Y 9,999 mmc.a./m, R 9,99 Pa/m")) + 12);
        auto* etichetta = new QLabel(riga.etichetta, this);
        etichetta->setBuddy(valore);
        valore->setAccessibleName(riga.unita.isEmpty() ? riga.etichetta
                                                       : QStringLiteral("%1 [%2]").arg(riga.etichetta, riga.unita));
        modulo->addRow(etichetta, valore);
        righe_.push_back(valore);
    }

    auto* copia = new QPushButton(QStringLiteral("&Copia"), this);
    copia->setObjectName(QStringLiteral("Command_Copia"));
    copia->setToolTip(QStringLiteral("Copia il riepilogo negli appunti (Ctrl+Maiusc+C)"));
    connect(copia, &QPushButton::clicked, this, &FinestraDettagli::Copia);

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(8, 8, 8, 8);
    colonna->setSpacing(6);
    colonna->addLayout(modulo);
    colonna->addWidget(new QLabel(ariaDiRiferimento(), this));
    colonna->addWidget(copia, 0, Qt::AlignRight);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    // Its values are shown by whoever opens it (aggiorna), then as they change.
    connect(materiale_, &QComboBox::currentIndexChanged, this, &FinestraDettagli::aggiorna);
}

dettagli::Materiale FinestraDettagli::materiale() const {
    return static_cast<dettagli::Materiale>(materiale_->currentIndex());
}

void FinestraDettagli::scegliMateriale(dettagli::Materiale materiale) {
    materiale_->setCurrentIndex(static_cast<int>(materiale));
}

dettagli::Dettagli FinestraDettagli::valori() const {
    return dettagli::calcola(testiDelCondotto(finestra_), materiale());
}

void FinestraDettagli::aggiornaPresto() {
    if (aggiornamentoInAttesa_) return;
    aggiornamentoInAttesa_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            aggiornamentoInAttesa_ = false;
            aggiorna();
        },
        Qt::QueuedConnection);
}

void FinestraDettagli::aggiorna() {
    const std::vector<RigaDettaglio> righe = righeDettagli(valori());
    for (std::size_t i = 0; i < righe.size(); ++i) {
        righe_[i]->scriviDalProgramma(righe[i].unita.isEmpty() || righe[i].valore == QStringLiteral("—")
                                          ? righe[i].valore
                                          : QStringLiteral("%1 %2").arg(righe[i].valore, righe[i].unita));
    }
}

}  // namespace flumetra
