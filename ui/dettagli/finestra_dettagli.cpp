#include "ui/dettagli/finestra_dettagli.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/comune/campo_accessibile.h"
#include "ui/comune/campo_numero.h"
#include "ui/comune/campo_testo.h"
#include "ui/comune/tasti.h"
#include "ui/grafica/nomi.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

QString conUnita(const QString& testo, const QString& unita) {
    return unita.isEmpty() ? testo : QStringLiteral("%1 [%2]").arg(testo, unita);
}

}  // namespace

FinestraDettagli::FinestraDettagli(QWidget& principale, std::function<dettagli::TestiDelCondotto()> condotto)
    : QWidget(&principale, Qt::Tool), condotto_(std::move(condotto)) {
    setObjectName(QStringLiteral("Form_Dettagli"));
    setWindowTitle(QStringLiteral("Dettagli del condotto"));
    setFont(principale.font());

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

    aggiungiRighe(*modulo);

    auto* copia = new QPushButton(QStringLiteral("&Copia"), this);
    copia->setObjectName(QStringLiteral("Command_Copia"));
    copia->setToolTip(QStringLiteral("Copia il riepilogo negli appunti (%1)")
                          .arg(QKeySequence(tasti::riepilogo).toString(QKeySequence::NativeText)));
    connect(copia, &QPushButton::clicked, this, &FinestraDettagli::Copia);

    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(8, 8, 8, 8);
    colonna->setSpacing(6);
    colonna->addLayout(modulo);
    colonna->addWidget(copia, 0, Qt::AlignRight);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    materiale_->setFocus();  // where the keyboard starts when the window is brought forward

    // Its values are shown by whoever opens it (aggiorna), then as they change.
    connect(materiale_, &QComboBox::currentIndexChanged, this, &FinestraDettagli::aggiorna);
}

// A line for each row of the details' table: a value read-only, the
// series' two diameters, or an input of the air.
void FinestraDettagli::aggiungiRighe(QFormLayout& modulo) {
    // As wide as a series diameter's line.
    const int larghezza =
        fontMetrics().horizontalAdvance(QStringLiteral("D 1000: v 99,9 m/s, Y 9,999 mmc.a./m, R 9,99 Pa/m")) + 12;
    auto nuovoValore = [this, larghezza] {
        // Read-only text that a screen reader is told cannot be edited.
        auto* valore = new CampoTesto(QString(), this);
        valore->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        valore->setReadOnly(true);
        rendiAccessibile(valore);
        valore->setMinimumWidth(larghezza);
        valori_.push_back(valore);
        return valore;
    };
    const dettagli::Aria partenza{};
    for (const dettagli::RigaDettaglio& riga : dettagli::righeDettagli) {
        const QString etichetta = inQt(riga.etichetta);
        const QString unita = inQt(riga.unita);
        if (riga.scrittura == dettagli::Scrittura::Serie) {
            for (const std::string_view lato : dettagli::latiDellaSerie) {
                const QString nome = QStringLiteral("%1 %2").arg(etichetta, inQt(lato));
                auto* valore = nuovoValore();
                valore->setAccessibleName(nome);
                auto* label = new QLabel(nome, this);
                label->setBuddy(valore);
                modulo.addRow(label, valore);
            }
        } else if (const dettagli::Ingresso* ingresso = riga.ingresso) {
            auto* campo = new CampoNumero(ingresso->limiti.minimo, ingresso->limiti.massimo, ingresso->passo,
                                          ingresso->decimali, unita, this);
            campo->setObjectName(inQt(riga.chiave));
            campo->setValue(partenza.*ingresso->valore);
            campo->setAccessibleName(conUnita(etichetta, unita));
            ingressi_.emplace_back(campo, ingresso);
            auto* label = new QLabel(etichetta, this);
            label->setBuddy(campo);
            modulo.addRow(label, campo);
            connect(campo, &QDoubleSpinBox::valueChanged, this, [this] {
                aggiorna();
                emit ariaCambiata();
            });
        } else {
            auto* valore = nuovoValore();
            valore->setAccessibleName(conUnita(etichetta, unita));
            auto* label = new QLabel(etichetta, this);
            label->setBuddy(valore);
            modulo.addRow(label, valore);
        }
    }
}

dettagli::Materiale FinestraDettagli::materiale() const {
    return static_cast<dettagli::Materiale>(materiale_->currentIndex());
}

dettagli::Aria FinestraDettagli::aria() const {
    dettagli::Aria aria;
    for (const auto& [campo, ingresso] : ingressi_) aria.*ingresso->valore = campo->value();
    return aria;
}

void FinestraDettagli::scegliAria(dettagli::Aria aria) {
    for (const auto& [campo, ingresso] : ingressi_) {
        const Reale valore = aria.*ingresso->valore;
        if (valore >= campo->minimum() && valore <= campo->maximum()) campo->setValue(valore);
    }
}

dettagli::Dettagli FinestraDettagli::valori() const { return dettagli::calcola(condotto_(), materiale(), aria()); }

void FinestraDettagli::aggiornaPresto() { aggiornamentoPresto_.chiedi(); }

// The computed rows in the table's order, each value with its unit.
void FinestraDettagli::aggiorna() {
    const dettagli::Dettagli d = valori();
    std::size_t prossimo = 0;
    auto mostra = [&](const std::string& testo, std::string_view unita) {
        const bool vuoto = testo == dettagli::nessunValore || unita.empty();
        valori_[prossimo++]->scriviDalProgramma(vuoto ? inQt(testo)
                                                      : QStringLiteral("%1 %2").arg(inQt(testo), inQt(unita)));
    };
    for (const dettagli::RigaDettaglio& riga : dettagli::righeDettagli) {
        if (riga.ingresso) continue;
        if (riga.scrittura == dettagli::Scrittura::Serie) {
            for (std::size_t lato = 0; lato < dettagli::latiDellaSerie.size(); ++lato) {
                mostra(dettagli::testoDellaSerie(d, lato), {});
            }
        } else {
            mostra(dettagli::testoDi(riga, d), riga.unita);
        }
    }
}

// Esc closes it, as a tool window's key does.
void FinestraDettagli::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(evento);
}

}  // namespace flumetra
