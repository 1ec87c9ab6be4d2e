#include "ui/foglio/impostazioni_percorso.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "calc/testo.h"
#include "dettagli/dettagli.h"
#include "ui/comune/campo_numero.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/grafica/nomi.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

// A run's numbers are kept as the file has them; the inputs show them
// whole (CampoNumero writes the shortest text), so they round only here.
constexpr int decimaliDegliIngressi = 6;

QString intervallo(percorso::Intervallo i, const QString& unita) {
    return QStringLiteral("da %1 a %2 %3").arg(inQt(RealeInTesto(i.minimo)), inQt(RealeInTesto(i.massimo)), unita);
}

}  // namespace

ImpostazioniPercorso::ImpostazioniPercorso(const DocumentoPercorso& documento, QWidget* parent)
    : QWidget(parent), documento_(documento), griglia_(new QGridLayout(this)) {
    griglia_->setContentsMargins(0, 0, 0, 0);
    using percorso::Percorso;
    temperatura_ = numero(QStringLiteral("T&emperatura dell'aria"), percorso::intervalloTemperatura,
                          dettagli::ingressoTemperatura.passo, QStringLiteral("°C"), 0, 0,
                          [](Percorso& p, Reale x) { p.aria.temperatura = x; });
    quota_ = numero(QStringLiteral("&Quota"), percorso::intervalloQuota, dettagli::ingressoQuota.passo,
                    QStringLiteral("m"), 0, 1, [](Percorso& p, Reale x) { p.aria.quota = x; });
    QStringList metodi;
    for (std::size_t i = 0; i < percorso::paroleMetodo.size(); ++i)
        metodi << nomeMetodo(static_cast<percorso::Metodo>(i));
    metodo_ = elenco(QStringLiteral("Me&todo per R"), metodi, 0, 2,
                     [](Percorso& p, int i) { p.metodo = static_cast<percorso::Metodo>(i); });
    QStringList materiali;
    for (std::size_t i = 0; i < dettagli::tabellaMateriali.size(); ++i) {
        materiali << nomeMateriale(static_cast<dettagli::Materiale>(i));
    }
    materiale_ = elenco(QStringLiteral("M&ateriale"), materiali, 0, 3,
                        [](Percorso& p, int i) { p.materiale = static_cast<dettagli::Materiale>(i); });

    obiettivo_ =
        numero(QStringLiteral("&Y° obiettivo"), percorso::intervalloPerditaObiettivo, 0.01,
               inQt(percorso::unitaPerditaObiettivo), 1, 0, [](Percorso& p, Reale x) { p.perdita_obiettivo = x; });
    const std::array<QString, percorso::numeroRuoli> etichette = {
        QStringLiteral("v max p&rincipale"), QStringLiteral("v max &secondario"), QStringLiteral("v max termina&le")};
    for (std::size_t k = 0; k < percorso::numeroRuoli; ++k) {
        velocita_[k] = numero(etichette[k], percorso::intervalloVelocitaMassima, 0.5, QStringLiteral("m/s"), 1,
                              static_cast<int>(k) + 1, [k](Percorso& p, Reale x) { p.velocita_massime[k] = x; });
    }
    for (int coppia = 0; coppia < 4; ++coppia) griglia_->setColumnStretch(coppia * 2 + 1, 1);
    mostra(documento.percorso());
}

CampoNumero* ImpostazioniPercorso::numero(const QString& etichetta, percorso::Intervallo limiti, double passo,
                                          const QString& unita, int riga, int coppia,
                                          std::function<void(percorso::Percorso&, Reale)> scrivi) {
    auto* campo = new CampoNumero(limiti.minimo, limiti.massimo, passo, decimaliDegliIngressi, unita, this);
    QString nome = etichetta;
    nome.remove(QLatin1Char('&'));
    campo->setAccessibleName(QStringLiteral("%1 [%2]").arg(nome, unita));
    campo->setToolTip(intervallo(limiti, unita));
    auto* label = new QLabel(etichetta, this);
    label->setBuddy(campo);
    griglia_->addWidget(label, riga, coppia * 2);
    griglia_->addWidget(campo, riga, coppia * 2 + 1);
    connect(campo, &QDoubleSpinBox::valueChanged, this, [this, scrivi = std::move(scrivi), nome](double x) {
        percorso::Percorso nuovo = documento_.percorso();
        scrivi(nuovo, x);
        chiedi(nuovo, nome);
    });
    return campo;
}

QComboBox* ImpostazioniPercorso::elenco(const QString& etichetta, const QStringList& voci, int riga, int coppia,
                                        std::function<void(percorso::Percorso&, int)> scrivi) {
    auto* scelta = new QComboBox(this);
    scelta->addItems(voci);
    auto* label = new QLabel(etichetta, this);
    label->setBuddy(scelta);
    griglia_->addWidget(label, riga, coppia * 2);
    griglia_->addWidget(scelta, riga, coppia * 2 + 1);
    QString nome = etichetta;
    nome.remove(QLatin1Char('&'));
    connect(scelta, &QComboBox::currentIndexChanged, this, [this, scrivi = std::move(scrivi), nome](int i) {
        percorso::Percorso nuovo = documento_.percorso();
        scrivi(nuovo, i);
        chiedi(nuovo, nome);
    });
    return scelta;
}

void ImpostazioniPercorso::chiedi(const percorso::Percorso& nuovo, const QString& descrizione) {
    if (nuovo == documento_.percorso()) return;
    emit modificaRichiesta(nuovo, descrizione);
}

void ImpostazioniPercorso::mostra(const percorso::Percorso& p) {
    auto metti = [](CampoNumero* campo, Reale x) {
        const QSignalBlocker zitto(campo);
        campo->setValue(x);
    };
    metti(temperatura_, p.aria.temperatura);
    metti(quota_, p.aria.quota);
    metti(obiettivo_, p.perdita_obiettivo);
    for (std::size_t k = 0; k < percorso::numeroRuoli; ++k) metti(velocita_[k], p.velocita_massime[k]);
    const QSignalBlocker zittoMetodo(metodo_);
    metodo_->setCurrentIndex(static_cast<int>(p.metodo));
    const QSignalBlocker zittoMateriale(materiale_);
    materiale_->setCurrentIndex(static_cast<int>(p.materiale));
}

QWidget* ImpostazioniPercorso::primo() const { return temperatura_; }

}  // namespace flumetra
