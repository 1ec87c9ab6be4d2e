// The sheet's window: its menus, its settings, the table and the totals,
// and the edits a person asks for from the menus. Files and exports are in
// foglio_file.cpp.

#include "ui/foglio/foglio_percorso.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <type_traits>

#include "calc/fallimento.h"
#include "calc/testo.h"
#include "dettagli/righe.h"
#include "logic/finestra.h"
#include "percorso/colonne.h"
#include "percorso/modifiche.h"
#include "percorso/totali.h"
#include "percorso/verifica.h"
#include "ui/comune/campo_accessibile.h"
#include "ui/comune/campo_testo.h"
#include "ui/comune/file_recenti.h"
#include "ui/comune/scorciatoie.h"
#include "ui/foglio/delegato_percorso.h"
#include "ui/foglio/dialogo_intestazione.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/editore_raccordi.h"
#include "ui/foglio/impostazioni_percorso.h"
#include "ui/foglio/modello_percorso.h"
#include "ui/foglio/tabella_percorso.h"
#include "ui/grafica/file_percorso.h"
#include "ui/grafica/testo_qt.h"

namespace flumetra {

namespace {}  // namespace

FoglioPercorso::FoglioPercorso(QWidget& principale, const Finestra& calcolatore)
    : QMainWindow(&principale, Qt::Window),
      calcolatore_(calcolatore),
      documento_(new DocumentoPercorso(this)),
      modello_(new ModelloPercorso(*documento_, this)) {
    setObjectName(QStringLiteral("Form_Percorso"));
    setWindowIcon(principale.windowIcon());
    setFont(principale.font());

    impostazioni_ = new ImpostazioniPercorso(*documento_, this);
    tabella_ = new TabellaPercorso(percorso::posizioneNelFoglio(percorso::Colonna::L), this);
    tabella_->setObjectName(QStringLiteral("Tabella_Tratti"));
    tabella_->setAccessibleName(QStringLiteral("Tratti del percorso"));
    tabella_->setModel(modello_);
    auto* delegato = new DelegatoPercorso(tabella_);
    tabella_->setItemDelegate(delegato);
    connect(delegato, &DelegatoPercorso::avanti, tabella_, &TabellaPercorso::vaiAvanti);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectItems);
    tabella_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    tabella_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    tabella_->horizontalHeader()->setHighlightSections(true);
    tabella_->verticalHeader()->setDefaultSectionSize(tabella_->fontMetrics().height() + 8);
    tabella_->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    tabella_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(tabella_, &TabellaPercorso::nuovaRiga, this, [this] { rispondi(aggiungiTratto()); });
    filtraScorciatoie();  // F2 edits the table's cell here, as in any table
    // A double click on «ζ raccordi» opens the section's fittings.
    connect(tabella_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (i.column() == percorso::posizioneNelFoglio(percorso::Colonna::ZetaRaccordi)) apriRaccordi();
    });
    connect(tabella_, &TabellaPercorso::menuRichiesto, this, &FoglioPercorso::menuDellaTabella);

    auto* centro = new QWidget(this);
    auto* colonna = new QVBoxLayout(centro);
    colonna->addWidget(impostazioni_);
    colonna->addWidget(tabella_, 1);
    colonna->addWidget(creaTotali());
    setCentralWidget(centro);
    creaMenu();
    statusBar();

    // A refused cell says why there and in the status bar, and its editor stays.
    connect(modello_, &ModelloPercorso::rifiutato, this, [this](const QString& perche, const QModelIndex& cella) {
        statusBar()->showMessage(perche);
        tabella_->mostraRifiuto(cella, perche);
    });
    // A setting's arrow held, or a value typed into it, is one undo step.
    connect(impostazioni_, &ImpostazioniPercorso::modificaRichiesta, this,
            [this](const percorso::Percorso& nuovo, const QString& d) {
                if (auto perche = documento_->modifica(nuovo, d, d)) {
                    impostazioni_->mostra(percorso());
                    rispondi(perche);
                }
            });
    connect(documento_, &DocumentoPercorso::cambiato, this, &FoglioPercorso::dopoIlCambio);
    connect(documento_, &DocumentoPercorso::storiaCambiata, this, &FoglioPercorso::dopoLaStoria);
    connect(documento_, &DocumentoPercorso::notizia, this, [this](const QString& testo, int ms) {
        if (testo.isEmpty()) {
            statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(testo, ms);
        }
    });

    setTabOrder(impostazioni_, tabella_);
    impostazioni_->primo()->setFocus();
    dopoIlCambio();
    dopoLaStoria();
}

const percorso::Percorso& FoglioPercorso::percorso() const { return documento_->percorso(); }

const std::optional<percorso::Risultati>& FoglioPercorso::risultati() const { return documento_->risultati(); }

const QString& FoglioPercorso::file() const { return documento_->file(); }

bool FoglioPercorso::daSalvare() const { return documento_->daSalvare(); }

void FoglioPercorso::creaMenu() {
    // Each first takes the text being typed in a cell, as a click away from it would.
    auto voce = [this](QMenu* menu, const QString& testo, const QKeySequence& tasto, auto azione) {
        QAction* a = menu->addAction(testo);
        a->setShortcut(tasto);
        connect(a, &QAction::triggered, this, [this, azione] {
            if (!tabella_->prendiIlTesto()) return;
            if constexpr (std::is_member_function_pointer_v<decltype(azione)>) {
                (this->*azione)();
            } else {
                azione();
            }
        });
        return a;
    };
    // Where the platform has no key for «Salva con nome», the usual one.
    const QKeySequence tastoSalvaConNome = QKeySequence(QKeySequence::SaveAs).isEmpty()
                                               ? QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                                               : QKeySequence(QKeySequence::SaveAs);
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    voce(file, QStringLiteral("&Nuovo"), QKeySequence::New, &FoglioPercorso::nuovo);
    voce(file, QStringLiteral("&Apri…"), QKeySequence::Open, &FoglioPercorso::apriDalDialogo);
    QMenu* recenti = file->addMenu(QStringLiteral("Apri &recenti"));
    connect(recenti, &QMenu::aboutToShow, this, [this, recenti] { riempiRecenti(*recenti); });
    serveUnTratto_ << voce(file, QStringLiteral("&Salva"), QKeySequence::Save, &FoglioPercorso::salva);
    serveUnTratto_ << voce(file, QStringLiteral("Salva con n&ome…"), tastoSalvaConNome, &FoglioPercorso::salvaConNome);
    file->addSeparator();
    serveUnTratto_ << voce(file, QStringLiteral("&Intestazione…"), QKeySequence(), [this] { modificaIntestazione(); });
    serveUnTratto_ << voce(file, QStringLiteral("Esporta &CSV…"), QKeySequence(), &FoglioPercorso::esportaCsv);
    serveUnTratto_ << voce(file, QStringLiteral("Esporta &PDF…"), QKeySequence(), &FoglioPercorso::esportaPdf);
    serveUnTratto_ << voce(file, QStringLiteral("S&tampa…"), QKeySequence::Print, &FoglioPercorso::stampa);
    file->addSeparator();
    voce(file, QStringLiteral("Chi&udi"), QKeySequence::Close, &QWidget::close);

    QMenu* modifica = menuBar()->addMenu(QStringLiteral("&Modifica"));
    annulla_ = voce(modifica, QStringLiteral("&Annulla"), QKeySequence::Undo, [this] { documento_->annulla(); });
    ripeti_ = voce(modifica, QStringLiteral("&Ripeti"), QKeySequence::Redo, [this] { documento_->ripeti(); });
    modifica->addSeparator();
    QAction* copia = voce(modifica, QStringLiteral("&Copia"), QKeySequence::Copy, &FoglioPercorso::copia);
    QAction* incolla =
        voce(modifica, QStringLiteral("&Incolla"), QKeySequence::Paste, [this] { rispondi(this->incolla()); });
    for (QAction* a : {copia, incolla}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);  // a field's own Ctrl+C and Ctrl+V elsewhere
        tabella_->addAction(a);
    }
    serveUnTratto_ << copia << incolla;
    modifica->addSeparator();
    aggiungi_ = voce(modifica, QStringLiteral("Aggiungi &tratto"), QKeySequence(Qt::Key_Insert),
                     [this] { rispondi(aggiungiTratto()); });
    voce(modifica, QStringLiteral("Aggiungi dal &calcolatore"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Insert),
         [this] { rispondi(aggiungiDalCalcolatore()); });
    elimina_ =
        voce(modifica, QStringLiteral("&Elimina tratto"), QKeySequence(Qt::Key_Delete), &FoglioPercorso::eliminaTratto);
    modifica->addSeparator();
    raccordi_ = voce(modifica, QStringLiteral("Racc&ordi del tratto…"), QKeySequence(Qt::CTRL | Qt::Key_R),
                     [this] { apriRaccordi(); });
    nelCalcolatore_ = voce(modifica, QStringLiteral("Apri nel ca&lcolatore"), QKeySequence(),
                           [this] { rispondi(apriNelCalcolatore(false)); });
    dettagli_ = voce(modifica, QStringLiteral("&Dettagli del tratto"), QKeySequence(),
                     [this] { rispondi(apriNelCalcolatore(true)); });
    serveUnTratto_ << elimina_ << raccordi_ << nelCalcolatore_ << dettagli_;
}

// The fan's flow and pressure, the index run and the surface: read-only
// lines a screen reader reads by their labels.
QWidget* FoglioPercorso::creaTotali() {
    auto* totali = new QWidget(this);
    auto* griglia = new QGridLayout(totali);
    griglia->setContentsMargins(0, 0, 0, 0);
    int coppia = 0;
    auto riga = [&](const QString& etichetta, const char* nome) {
        auto* valore = new CampoTesto(QString(), totali);
        valore->setObjectName(QString::fromLatin1(nome));
        valore->setReadOnly(true);
        rendiAccessibile(valore);
        valore->setAccessibleName(etichetta);
        auto* label = new QLabel(etichetta, totali);
        label->setBuddy(valore);
        griglia->addWidget(label, 0, coppia * 2);
        griglia->addWidget(valore, 0, coppia * 2 + 1);
        griglia->setColumnStretch(coppia * 2 + 1, coppia == 2 ? 3 : 1);
        ++coppia;
        return valore;
    };
    using percorso::Totale;
    portata_ = riga(inQt(percorso::intestazione(Totale::Portata)), "Text_PortataVentilatore");
    pressione_ = riga(inQt(percorso::intestazione(Totale::Pressione)), "Text_PressioneVentilatore");
    indice_ = riga(inQt(percorso::intestazione(Totale::Indice)), "Text_PercorsoIndice");
    indice_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    superficie_ = riga(inQt(percorso::intestazione(Totale::Superficie)), "Text_Superficie");
    return totali;
}

void FoglioPercorso::mostraTotali() {
    const std::optional<percorso::Risultati>& r = risultati();
    auto scrivi = [&](CampoTesto* campo, percorso::Totale totale) {
        const std::string testo = r ? percorso::testoDi(totale, percorso(), *r) : std::string();
        campo->scriviDalProgramma(inQt(testo.empty() ? std::string(dettagli::nessunValore) : testo));
    };
    scrivi(portata_, percorso::Totale::Portata);
    scrivi(pressione_, percorso::Totale::Pressione);
    scrivi(indice_, percorso::Totale::Indice);
    scrivi(superficie_, percorso::Totale::Superficie);
}

// After every change of the run: the settings, the totals and the menus
// show it; the columns widen to their values once the view has laid them out.
void FoglioPercorso::dopoIlCambio() {
    const int righe = static_cast<int>(percorso().tratti.size());
    QMetaObject::invokeMethod(tabella_, &TabellaPercorso::adatta, Qt::QueuedConnection);
    impostazioni_->mostra(percorso());
    mostraTotali();
    for (QAction* a : serveUnTratto_) a->setEnabled(righe > 0);
    emit ricalcolato();
}

// The title block, as one edit of the run.
void FoglioPercorso::modificaIntestazione() {
    const auto nuova = chiediIntestazione(this, percorso().intestazione);
    if (!nuova || *nuova == percorso().intestazione) return;
    percorso::Percorso nuovo = percorso();
    nuovo.intestazione = *nuova;
    rispondi(documento_->modifica(nuovo, QStringLiteral("Intestazione")));
}

// After every step of the history: the title and its mark, undo and redo.
void FoglioPercorso::dopoLaStoria() {
    const percorso::Storia& storia = documento_->storia();
    if (!file().isEmpty() && file() != fileRicordato_) {
        ricordaFile(file());
        fileRicordato_ = file();
    }
    setWindowTitle(QStringLiteral("%1[*] – Percorso").arg(nomeDelPercorso(file())));
    setWindowModified(!storia.salvata());
    annulla_->setEnabled(storia.puoAnnullare());
    annulla_->setText(QStringLiteral("&Annulla %1").arg(inQt(storia.descrizioneAnnulla())).trimmed());
    ripeti_->setEnabled(storia.puoRipetere());
    ripeti_->setText(QStringLiteral("&Ripeti %1").arg(inQt(storia.descrizioneRipeti())).trimmed());
}

void FoglioPercorso::rispondi(const std::optional<QString>& messaggio) {
    if (messaggio) QMessageBox::warning(this, QStringLiteral("Percorso"), *messaggio);
}

}  // namespace flumetra
