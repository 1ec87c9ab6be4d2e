// The window's controls, where they stand and what they show at start.
// Positions are in twips (1/1440 inch); 15 twips make one pixel at 96 DPI,
// and Qt's high-DPI scaling keeps the proportions on denser screens.

#include "ui/calcolatore/form_principale.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>

#include "logic/quantita.h"
#include "ui/calcolatore/messaggi.h"
#include "ui/calcolatore/updown.h"
#include "ui/comune/campo_accessibile.h"
#include "ui/comune/campo_testo.h"
#include "ui/comune/carattere.h"
#include "ui/comune/contenitore_accessibile.h"
#include "ui/comune/dialoghi_sopra.h"
#include "ui/comune/suggerimenti.h"

// The icons live in this static library's resources, which a static
// library must register itself.
static void registerResources() { Q_INIT_RESOURCE(risorse); }

namespace flumetra {
namespace {

// The drawn sizes first, so that small icons never come from a scaled SVG;
// the SVG serves every other size where Qt's SVG plugin is installed.
QIcon iconaFlumetra() {
    QIcon icona;
    for (int lato : {16, 32, 48}) icona.addFile(QStringLiteral(":/icone/flumetra-%1.png").arg(lato), QSize(lato, lato));
    icona.addFile(QStringLiteral(":/icone/flumetra.svg"));
    return icona;
}

QRect inTwips(int sinistra, int alto, int larghezza, int altezza) {
    auto px = [](int twip) { return qRound(twip / 15.0); };
    return {px(sinistra), px(alto), px(larghezza), px(altezza)};
}

template <typename Controllo>
Controllo* place(Controllo* controllo, std::string_view nome, QRect geometria) {
    controllo->setObjectName(inQt(nome));
    controllo->setGeometry(geometria);
    return controllo;
}

QLabel* etichetta(QWidget* parent, std::string_view nome, const QString& didascalia, QRect geometria) {
    auto* label = place(new QLabel(didascalia, parent), nome, geometria);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// "G" and "mc/h" -> "G [mc/h]"
QString conUnita(std::string_view didascalia, std::string_view unita) {
    return QStringLiteral("%1 [%2]").arg(inQt(didascalia), inQt(unita));
}

// What a caption-less control does is its accessible name, and its tooltip
// for the eye.
template <typename Controllo>
Controllo* spiega(Controllo* controllo, const QString& cosaFa) {
    controllo->setAccessibleName(cosaFa);
    suggerimenti::mostraAllOcchio(controllo, cosaFa);
    return controllo;
}

}  // namespace

Form_Principale::Form_Principale(QWidget* parent) : QWidget(parent) {
    registerResources();
    setObjectName(QStringLiteral("Form_Principale"));
    setWindowTitle(QStringLiteral("Flumetra"));
    setWindowIcon(iconaFlumetra());
    // A fixed layout: the window offers no resize and no maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(inTwips(0, 0, 3255, 4080).size());

    creaControlli();
    offriSoloIVisibili(this);
    offriSoloIVisibili(frame1_);
    setFont(carattereCheEntra(this));
    impostaOrdineTab();
    collega();
    Form_Load();
    new DialoghiSopra(
        *this, [this] { return inPrimoPiano(); },
        [this](bool sopra) { restaInPrimoPiano(sopra && check1_->checkState() != Qt::Unchecked); });
    campo(Campo::Text_Y)->setFocus();
}

// A row: the label, its field and, where the quantity can be stepped, the
// spinner at the field's right. Inside the frame, whose caption gives the
// unit, a label is its caption alone; elsewhere the unit follows it.
void Form_Principale::nuovaRiga(QWidget* parent, QRect geometriaEtichetta, Campo c, QRect geometriaCampo,
                                std::optional<QRect> geometriaSpinner) {
    const DatiCampo& d = dati(c);
    auto* campo = place(new CampoTesto(inQt(d.testoIniziale), parent), d.nome, geometriaCampo);
    campo->setAccessibleName(QStringLiteral("%1 [%2]").arg(inQt(d.descrizione), inQt(d.unita)));
    // No accepted number below 1000 has a digit group to separate.
    campo->puntoComeVirgola(d.immissione && d.immissione->sopra <= 1000);
    campi_[indexOf(c)] = campo;
    const QString didascalia = parent == frame1_ ? inQt(d.didascalia) : conUnita(d.didascalia, d.unita);
    etichetta(parent, d.etichetta, didascalia, geometriaEtichetta)->setBuddy(campo);
    if (!geometriaSpinner) return;
    for (const Spinner s : allValues<Spinner>()) {
        if (dati(s).campo == c) nuovoSpinner(parent, s, *geometriaSpinner);
    }
}

void Form_Principale::nuovoSpinner(QWidget* parent, Spinner s, QRect geometria) {
    const DatiSpinner& d = dati(s);
    auto* spinner = place(new UpDown(s, campo(d.campo), parent), d.nome, geometria);
    spinner->setAccessibleName(inQt(descrizione(s)));
    spinner->setVisible(visibileAllAvvio(s));
    spinner_[indexOf(s)] = spinner;
}

QRadioButton* Form_Principale::nuovoRadio(QWidget* parent, const DatiRadio& d, QRect geometria) {
    return spiega(place(new QRadioButton(parent), d.nome, geometria), inQt(d.cosaFa));
}

void Form_Principale::creaControlli() {
    using enum Campo;
    frame1_ = place(new QGroupBox(conUnita("Sezione condotto", dati(Text_A).unita), this), controlli::cornice,
                    inTwips(360, 120, 2412, 1575));
    nuovaRiga(frame1_, inTwips(120, 360, 855, 255), Text_A, inTwips(1080, 360, 588, 288), inTwips(1680, 360, 252, 288));
    nuovaRiga(frame1_, inTwips(120, 720, 855, 255), Text_B, inTwips(1080, 720, 588, 288), inTwips(1680, 720, 252, 288));
    nuovaRiga(frame1_, inTwips(120, 1080, 735, 255), Text_D, inTwips(1080, 1080, 588, 288),
              inTwips(1680, 1080, 252, 288));

    // The section radios: a group of their own inside the frame.
    sezioni_ = {nuovoRadio(frame1_, dati(Sezione::A), inTwips(2040, 360, 255, 252)),
                nuovoRadio(frame1_, dati(Sezione::B), inTwips(2040, 720, 252, 252)),
                nuovoRadio(frame1_, dati(Sezione::D), inTwips(2040, 1080, 252, 252))};
    auto* gruppoSezione = new QButtonGroup(frame1_);
    for (QRadioButton* r : sezioni_) gruppoSezione->addButton(r);
    radio(sezioneIniziale)->setChecked(true);

    modi_ = {nuovoRadio(this, dati(Modo::Perdita), inTwips(2880, 2520, 255, 255)),
             nuovoRadio(this, dati(Modo::Velocita), inTwips(2880, 2160, 255, 255)),
             nuovoRadio(this, dati(Modo::Portata), inTwips(2880, 1800, 255, 255)),
             nuovoRadio(this, dati(Modo::SezioneCanale), inTwips(2880, 840, 255, 255))};
    auto* gruppoModo = new QButtonGroup(this);
    for (QRadioButton* r : modi_) gruppoModo->addButton(r);
    radio(modoIniziale)->setChecked(true);

    nuovaRiga(this, inTwips(480, 1800, 732, 252), Text_G, inTwips(1560, 1800, 840, 288), inTwips(2400, 1800, 252, 288));
    nuovaRiga(this, inTwips(480, 2160, 732, 252), Text_v, inTwips(1560, 2160, 840, 288), inTwips(2400, 2160, 252, 288));
    nuovaRiga(this, inTwips(480, 2520, 972, 252), Text_Y, inTwips(1560, 2520, 828, 288), inTwips(2400, 2520, 252, 288));
    nuovaRiga(this, inTwips(480, 3000, 972, 252), Text_L, inTwips(1560, 3000, 1092, 288));
    nuovaRiga(this, inTwips(480, 3360, 972, 252), Text_Ytot, inTwips(1560, 3360, 1092, 288));
    campo(Text_Ytot)->setReadOnly(true);
    rendiAccessibile(campo(Text_Ytot));

    // The information line: read-only, centred, on the button-face colour.
    text1_ = place(new CampoTesto(QStringLiteral("cliccare qui per informazioni"), this), controlli::informazioni,
                   inTwips(240, 3720, 2532, 288));
    text1_->setReadOnly(true);
    text1_->comePulsante();
    rendiAccessibile(text1_);
    text1_->setAlignment(Qt::AlignCenter);
    QPalette palette = text1_->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    text1_->setPalette(palette);

    check1_ = spiega(place(new QCheckBox(this), controlli::inPrimoPiano, inTwips(2880, 3720, 252, 252)),
                     QStringLiteral("Mantieni la finestra sopra le altre"));
    check1_->setChecked(true);
}

// Focus follows the tab indices of the layout; Qt skips hidden controls,
// and within each radio group only the selected radio takes the focus.
void Form_Principale::impostaOrdineTab() {
    using enum Campo;
    using enum Spinner;
    using enum Sezione;
    using enum Modo;
    // clang-format off
    const auto ordine = std::to_array<QWidget*>({
        campo(Text_Y), campo(Text_G), campo(Text_v), spinner(UpDown_G), campo(Text_L), campo(Text_Ytot),
        spinner(UpDown_v), radio(D), radio(B), radio(A), spinner(UpDown_D), spinner(UpDown_B), spinner(UpDown_A),
        campo(Text_D), campo(Text_B), campo(Text_A),
        radio(SezioneCanale), radio(Portata), radio(Velocita), radio(Perdita),
        spinner(UpDown_Y), check1_, text1_});
    // clang-format on
    for (std::size_t i = 0; i + 1 < ordine.size(); ++i) setTabOrder(ordine[i], ordine[i + 1]);

    auto soloSeSelezionato = [](QRadioButton* r) {
        auto segui = [r](bool selezionato) { r->setFocusPolicy(selezionato ? Qt::StrongFocus : Qt::ClickFocus); };
        segui(r->isChecked());
        connect(r, &QRadioButton::toggled, r, segui);
    };
    for (auto* r : sezioni_) soloSeSelezionato(r);
    for (auto* r : modi_) soloSeSelezionato(r);
}

}  // namespace flumetra
