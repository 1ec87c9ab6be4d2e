// The window as the calculator sees it, the delivery of every user action to
// its one operation, and the window's own behaviours: staying on top and the
// information line.

#include <QCheckBox>
#include <QRadioButton>
#include <QToolTip>
#include <QWindow>

#include "ui/campo_testo.h"
#include "ui/form_principale.h"
#include "ui/messaggi.h"
#include "ui/suggerimenti.h"
#include "ui/updown.h"

namespace flumetra {

std::string Form_Principale::testo(Campo c) const { return campo(c)->text().toStdString(); }

// A program write starts nothing (no key release, no spinner change) and
// clears what an earlier failure said about this field.
void Form_Principale::scrivi(Campo c, std::string_view testo) {
    campo(c)->setText(QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size())));
    campo(c)->setToolTip(QString());
    campo(c)->setAccessibleDescription(QString());
}

bool Form_Principale::modoSelezionato(Modo m) const { return radio(m)->isChecked(); }
bool Form_Principale::sezioneSelezionata(Sezione s) const { return radio(s)->isChecked(); }

// Selecting runs the radio's click operation through its toggled signal.
void Form_Principale::selezionaSezione(Sezione s) { radio(s)->setChecked(true); }

void Form_Principale::mostraSpinner(Spinner s, bool visibile) { spinner(s)->setVisible(visibile); }
void Form_Principale::mostraRadioSezione(Sezione s, bool visibile) { radio(s)->setVisible(visibile); }
int Form_Principale::passo(Spinner s) const { return spinner(s)->passo(); }

void Form_Principale::collega() {
    using enum Campo;
    auto& c = calcolatore_;
    auto quandoSelezionato = [this](QRadioButton* r, auto operazione) {
        connect(r, &QRadioButton::toggled, this, [operazione](bool selezionato) {
            if (selezionato) operazione();
        });
    };
    quandoSelezionato(radio(Modo::Perdita), [&c] { c.Option_Perdita_Click(); });
    quandoSelezionato(radio(Modo::Velocita), [&c] { c.Option_Velocità_Click(); });
    quandoSelezionato(radio(Modo::Portata), [&c] { c.Option_Portata_Click(); });
    quandoSelezionato(radio(Modo::SezioneCanale), [&c] { c.Option_SezioneCanale_Click(); });
    quandoSelezionato(radio(Sezione::A), [&c] { c.Option_A_Click(0); });
    quandoSelezionato(radio(Sezione::B), [&c] { c.Option_B_Click(0); });
    quandoSelezionato(radio(Sezione::D), [&c] { c.Option_D_Click(0); });

    auto riporta = [this](auto* sorgente, auto segnale, auto operazione) {
        connect(sorgente, segnale, this, [this, operazione](auto... argomenti) { mostra(operazione(argomenti...)); });
    };
    riporta(spinner(Spinner::UpDown_A), &UpDown::Change, [&c] { return c.UpDown_A_Change(); });
    riporta(spinner(Spinner::UpDown_B), &UpDown::Change, [&c] { return c.UpDown_B_Change(); });
    riporta(spinner(Spinner::UpDown_D), &UpDown::Change, [&c] { return c.UpDown_D_Change(); });
    riporta(spinner(Spinner::UpDown_G), &UpDown::Change, [&c] { return c.UpDown_G_Change(); });
    riporta(spinner(Spinner::UpDown_v), &UpDown::DownClick, [&c] { return c.UpDown_v_DownClick(); });
    riporta(spinner(Spinner::UpDown_v), &UpDown::UpClick, [&c] { return c.UpDown_v_UpClick(); });
    riporta(spinner(Spinner::UpDown_Y), &UpDown::DownClick, [&c] { return c.UpDown_Y_DownClick(); });
    riporta(spinner(Spinner::UpDown_Y), &UpDown::UpClick, [&c] { return c.UpDown_Y_UpClick(); });
    riporta(campo(Text_A), &CampoTesto::KeyUp, [&c](int k, int m) { return c.Text_A_KeyUp(k, m); });
    riporta(campo(Text_B), &CampoTesto::KeyUp, [&c](int k, int m) { return c.Text_B_KeyUp(k, m); });
    riporta(campo(Text_D), &CampoTesto::KeyUp, [&c](int k, int m) { return c.Text_D_KeyUp(k, m); });
    riporta(campo(Text_G), &CampoTesto::KeyUp, [&c](int k, int m) { return c.Text_G_KeyUp(k, m); });
    riporta(campo(Text_v), &CampoTesto::KeyUp, [&c](int k, int m) { return c.Text_v_KeyUp(k, m); });
    riporta(campo(Text_Y), &CampoTesto::KeyUp, [&c](int k, int m) { return c.Text_Y_KeyUp(k, m); });

    connect(check1_, &QCheckBox::clicked, this, &Form_Principale::Check1_Click);
    connect(text1_, &CampoTesto::Click, this, &Form_Principale::Text1_Click);
}

// A failed step is told on the fields it left with their old texts, as a
// tooltip wrapped to the window's width, shown at once under the first of
// them and kept on each until a later step writes it. Nothing moves and no
// colour or font changes. A screen reader hears it as the fields'
// description.
void Form_Principale::mostra(const Esito& esito) {
    if (!esito) return;
    const QString messaggio = messaggi::passoNonRiuscito(*esito);
    const QString suggerimento =
        suggerimenti::aCapo(messaggio, QFontMetrics(QToolTip::font()), suggerimenti::larghezzaRiga(this));
    for (const Campo c : esito->nonAggiornati) {
        campo(c)->setToolTip(suggerimento);
        campo(c)->setAccessibleDescription(messaggio);
    }
    if (isVisible()) suggerimenti::mostraSotto(campo(esito->campo), suggerimento);
}

void Form_Principale::Form_Load() { restaInPrimoPiano(true); }

void Form_Principale::Check1_Click() { restaInPrimoPiano(check1_->checkState() != Qt::Unchecked); }

void Form_Principale::Text1_Click() {
    const QString indirizzo = QString::fromUtf8(indirizzoWeb.data(), static_cast<qsizetype>(indirizzoWeb.size()));
    text1_->setText(text1_->text() == indirizzo
                        ? QString::fromUtf8(versione.data(), static_cast<qsizetype>(versione.size()))
                        : indirizzo);
}

// The flag is changed on the native window, which keeps its place, size and
// identity; QWidget::setWindowFlag would hide it and create a new one.
void Form_Principale::restaInPrimoPiano(bool si) {
    Qt::WindowFlags bandiere = windowFlags();
    bandiere.setFlag(Qt::WindowStaysOnTopHint, si);
    overrideWindowFlags(bandiere);
    if (QWindow* nativa = windowHandle()) nativa->setFlags(bandiere);
}

bool Form_Principale::inPrimoPiano() const {
    const QWindow* nativa = windowHandle();
    return (nativa != nullptr ? nativa->flags() : windowFlags()).testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace flumetra
