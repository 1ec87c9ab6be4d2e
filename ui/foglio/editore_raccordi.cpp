#include "ui/foglio/editore_raccordi.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/testo.h"
#include "percorso/testo_raccordo.h"
#include "ui/comune/campo_numero.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

using percorso::Raccordo;
using percorso::TipoRaccordo;

constexpr int decimaliDeiParametri = 3;

QString conUnita(std::string_view etichetta, std::string_view unita) {
    return unita.empty() ? inQt(etichetta) : QStringLiteral("%1 [%2]").arg(inQt(etichetta), inQt(unita));
}

}  // namespace

EditoreRaccordi::EditoreRaccordi(DocumentoPercorso& documento, std::string id, QWidget* parent)
    : QDialog(parent), documento_(documento), id_(std::move(id)) {
    setObjectName(QStringLiteral("Form_Raccordi"));
    setWindowTitle(QStringLiteral("Raccordi del tratto «%1»").arg(inQt(id_)));
    setAttribute(Qt::WA_DeleteOnClose);

    lista_ = new QListWidget(this);
    lista_->setObjectName(QStringLiteral("Lista_Raccordi"));
    lista_->setAccessibleName(QStringLiteral("Raccordi del tratto %1").arg(inQt(id_)));
    auto* etichettaLista = new QLabel(QStringLiteral("&Raccordi: tipo, parametri, numero, ζ riferito al tratto"), this);
    etichettaLista->setBuddy(lista_);
    aggiungi_ = new QPushButton(QStringLiteral("A&ggiungi"), this);
    rimuovi_ = new QPushButton(QStringLiteral("R&imuovi"), this);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(aggiungi_);
    pulsanti->addWidget(rimuovi_);
    pulsanti->addStretch(1);
    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(etichettaLista);
    colonna->addWidget(lista_, 1);
    colonna->addLayout(pulsanti);
    creaScheda();
    // Made last, so that Tab reaches it last.
    auto* chiudi = new QDialogButtonBox(QDialogButtonBox::Close, this);
    colonna->addWidget(chiudi);

    connect(lista_, &QListWidget::currentRowChanged, this, &EditoreRaccordi::mostraScelto);
    connect(aggiungi_, &QPushButton::clicked, this, &EditoreRaccordi::aggiungi);
    connect(rimuovi_, &QPushButton::clicked, this, &EditoreRaccordi::rimuovi);
    connect(chiudi, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(&documento_, &DocumentoPercorso::cambiato, this, &EditoreRaccordi::mostra);
    mostra();
    lista_->setFocus();
}

// The selected fitting's kind, parameters and count, each labelled; a
// parameter's range in its tooltip, set for the kind shown.
void EditoreRaccordi::creaScheda() {
    auto* scheda = new QFormLayout;
    tipo_ = new QComboBox(this);
    tipo_->setObjectName(QStringLiteral("Combo_TipoRaccordo"));
    for (const percorso::DatiTipoRaccordo& d : percorso::tabellaRaccordi) tipo_->addItem(inQt(d.nome));
    auto* etichettaTipo = new QLabel(QStringLiteral("&Tipo"), this);
    etichettaTipo->setBuddy(tipo_);
    scheda->addRow(etichettaTipo, tipo_);
    connect(tipo_, &QComboBox::activated, this, [this](int i) {
        modifica(QStringLiteral("Tipo del raccordo"), QString(), [this, i](std::vector<Raccordo>& r) {
            const Intero n = r.at(static_cast<std::size_t>(scelto())).n;
            r[static_cast<std::size_t>(scelto())] = percorso::raccordoNuovo(static_cast<TipoRaccordo>(i));
            r[static_cast<std::size_t>(scelto())].n = n;
        });
    });

    for (std::size_t k = 0; k < percorso::tabellaParametri.size(); ++k) {
        const percorso::DatiParametro& d = percorso::tabellaParametri[k];
        const QString nome = conUnita(d.etichetta, d.unita);
        auto imposta = [this, k](Reale x) {
            const QString cosa = inQt(percorso::tabellaParametri[k].etichetta);
            modifica(cosa, QStringLiteral("raccordo %1 %2 ").arg(scelto()).arg(k), [this, k, x](auto& r) {
                percorso::tabellaParametri[k].imposta(r.at(static_cast<std::size_t>(scelto())), x);
            });
        };
        if (!d.parole.empty()) {
            auto* parole = new QComboBox(this);
            for (const std::string_view p : d.parole) parole->addItem(inQt(p));
            connect(parole, &QComboBox::activated, this, [imposta](int i) { imposta(i); });
            parametri_[k] = parole;
        } else {
            auto* campo = new CampoNumero(0, 0, 0.1, decimaliDeiParametri, inQt(d.unita), this);
            connect(campo, &QDoubleSpinBox::valueChanged, this, [this, imposta](double x) {
                if (!mostrando_) imposta(x);
            });
            parametri_[k] = campo;
        }
        parametri_[k]->setAccessibleName(nome);
        etichette_[k] = new QLabel(nome, this);
        etichette_[k]->setBuddy(parametri_[k]);
        scheda->addRow(etichette_[k], parametri_[k]);
    }

    numero_ = new QSpinBox(this);
    numero_->setRange(static_cast<int>(percorso::intervalloNumeroRaccordi.minimo),
                      static_cast<int>(percorso::intervalloNumeroRaccordi.massimo));
    numero_->setAccessibleName(QStringLiteral("Numero di raccordi uguali"));
    numero_->setToolTip(QStringLiteral("da 1 a 20"));
    auto* etichettaNumero = new QLabel(QStringLiteral("&Numero"), this);
    etichettaNumero->setBuddy(numero_);
    scheda->addRow(etichettaNumero, numero_);
    connect(numero_, &QSpinBox::valueChanged, this, [this](int n) {
        if (mostrando_) return;
        modifica(QStringLiteral("Numero di raccordi"), QStringLiteral("raccordo %1 n ").arg(scelto()),
                 [this, n](std::vector<Raccordo>& r) { r.at(static_cast<std::size_t>(scelto())).n = n; });
    });

    zeta_ = new QLabel(this);
    zeta_->setObjectName(QStringLiteral("Text_ZetaRaccordo"));
    zeta_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    zeta_->setFocusPolicy(Qt::StrongFocus);  // reached by Tab, so that a screen reader reads it
    auto* etichettaZeta = new QLabel(QStringLiteral("ζ riferito al tratto"), this);
    etichettaZeta->setBuddy(zeta_);
    scheda->addRow(etichettaZeta, zeta_);
    static_cast<QVBoxLayout*>(layout())->addLayout(scheda);
}

std::optional<std::size_t> EditoreRaccordi::indiceDelTratto() const {
    const std::vector<percorso::Tratto>& tratti = documento_.percorso().tratti;
    const auto i =
        std::find_if(tratti.begin(), tratti.end(), [this](const percorso::Tratto& t) { return t.id == id_; });
    if (i == tratti.end()) return std::nullopt;
    return static_cast<std::size_t>(i - tratti.begin());
}

int EditoreRaccordi::scelto() const { return lista_->currentRow(); }

void EditoreRaccordi::mostra() {
    const auto i = indiceDelTratto();
    if (!i) {
        close();  // the section has gone
        return;
    }
    mostrando_ = true;
    const std::vector<Raccordo>& raccordi = documento_.percorso().tratti[*i].raccordi;
    const std::vector<std::optional<Reale>> zeta =
        documento_.risultati() ? percorso::zetaDeiRaccordi(documento_.percorso(), *documento_.risultati(), *i)
                               : std::vector<std::optional<Reale>>(raccordi.size());
    const int prima = std::max(0, scelto());
    {
        // One selection, shown once below: an empty list on the way would
        // disable the inputs, and the focus would leave the one in use.
        const QSignalBlocker zitta(lista_);
        lista_->clear();
        for (std::size_t k = 0; k < raccordi.size(); ++k) {
            lista_->addItem(inQt(percorso::testoDelRaccordo(raccordi[k], zeta.at(k))));
        }
        if (!raccordi.empty()) lista_->setCurrentRow(std::min(prima, static_cast<int>(raccordi.size()) - 1));
    }
    mostrando_ = false;
    mostraScelto();
}

// The selected fitting's inputs, each parameter shown for the kinds that take it.
void EditoreRaccordi::mostraScelto() {
    const auto i = indiceDelTratto();
    const bool c_e =
        i && scelto() >= 0 && static_cast<std::size_t>(scelto()) < documento_.percorso().tratti[*i].raccordi.size();
    rimuovi_->setEnabled(c_e);
    tipo_->setEnabled(c_e);
    numero_->setEnabled(c_e);
    for (std::size_t k = 0; k < parametri_.size(); ++k) {
        parametri_[k]->setVisible(false);
        etichette_[k]->setVisible(false);
    }
    if (!c_e) {
        zeta_->clear();
        return;
    }
    mostrando_ = true;
    const percorso::Tratto& t = documento_.percorso().tratti[*i];
    // Only the kinds the section takes where it stands can be chosen; the
    // arrows pass over the others.
    auto* tipi = qobject_cast<QStandardItemModel*>(tipo_->model());
    for (std::size_t k = 0; k < percorso::numeroTipiRaccordo; ++k) {
        const auto tipo = static_cast<TipoRaccordo>(k);
        tipi->item(static_cast<int>(k))
            ->setEnabled(percorso::vaSullaForma(tipo, t.forma) && (!percorso::dati(tipo).richiedeMonte || t.monte));
    }
    const Raccordo& r = t.raccordi[static_cast<std::size_t>(scelto())];
    tipo_->setCurrentIndex(static_cast<int>(r.tipo));
    for (const percorso::ParametroDelTipo& p : percorso::dati(r.tipo).parametri()) {
        const auto k = static_cast<std::size_t>(p.parametro);
        const Reale valore = percorso::tabellaParametri[k].valore(r);
        if (auto* campo = qobject_cast<CampoNumero*>(parametri_[k])) {
            campo->setRange(p.intervallo.minimo, p.intervallo.massimo);
            campo->setValue(valore);
            campo->setToolTip(QStringLiteral("da %1 a %2 %3")
                                  .arg(inQt(RealeInTesto(p.intervallo.minimo)),
                                       inQt(RealeInTesto(p.intervallo.massimo)),
                                       inQt(percorso::tabellaParametri[k].unita))
                                  .trimmed());
        } else {
            static_cast<QComboBox*>(parametri_[k])->setCurrentIndex(static_cast<int>(valore));
        }
        parametri_[k]->setVisible(true);
        etichette_[k]->setVisible(true);
    }
    numero_->setValue(static_cast<int>(r.n));
    const std::optional<Reale> zeta =
        documento_.risultati() ? percorso::zetaDeiRaccordi(documento_.percorso(), *documento_.risultati(), *i)
                                     .at(static_cast<std::size_t>(scelto()))
                               : std::nullopt;
    zeta_->setText(inQt(percorso::testoDellaZeta(r, zeta)));
    zeta_->setAccessibleName(QStringLiteral("ζ riferito al tratto: %1").arg(zeta_->text()));
    mostrando_ = false;
}

template <typename Cambio>
void EditoreRaccordi::modifica(const QString& cosa, const QString& chiave, Cambio cambia) {
    const auto i = indiceDelTratto();
    if (!i) return;
    percorso::Percorso nuovo = documento_.percorso();
    cambia(nuovo.tratti[*i].raccordi);
    const QString descrizione = QStringLiteral("%1 di %2").arg(cosa, inQt(id_));
    const QString unione = chiave.isEmpty() ? QString() : chiave + inQt(id_);
    if (auto perche = documento_.modifica(nuovo, descrizione, unione)) {
        mostra();  // the inputs back to the document's
        QMessageBox::warning(this, QStringLiteral("Raccordi"), *perche);
    }
}

// A kind the section takes where it stands: an elbow of its shape.
void EditoreRaccordi::aggiungi() {
    const auto i = indiceDelTratto();
    if (!i) return;
    const percorso::Tratto& t = documento_.percorso().tratti[*i];
    const TipoRaccordo tipo =
        std::holds_alternative<percorso::Tondo>(t.forma) ? TipoRaccordo::Curva : TipoRaccordo::CurvaRettangolare;
    const int nuovo = static_cast<int>(t.raccordi.size());
    modifica(QStringLiteral("Aggiungi raccordo"), QString(),
             [tipo](std::vector<Raccordo>& r) { r.push_back(percorso::raccordoNuovo(tipo)); });
    if (lista_->count() > nuovo) lista_->setCurrentRow(nuovo);
}

void EditoreRaccordi::rimuovi() {
    if (scelto() < 0) return;
    modifica(QStringLiteral("Rimuovi raccordo"), QString(),
             [this](std::vector<Raccordo>& r) { r.erase(r.begin() + scelto()); });
}

}  // namespace flumetra
