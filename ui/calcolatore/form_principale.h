// The calculator's main window. Its controls are the calculator's state: the
// calculator reads and changes them through Finestra, and every user action
// on them reaches exactly one operation of the calculator or of the window.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "dettagli/dettagli.h"
#include "logic/calcolatore.h"
#include "logic/esito.h"
#include "logic/finestra.h"
#include "logic/quantita.h"
#include "logic/uso_del_testo.h"
#include "ui/comune/progetto.h"

class QCheckBox;
class QContextMenuEvent;
class QGroupBox;
class QMenu;
class QRadioButton;

namespace flumetra {

class CampoTesto;
class UpDown;

class Form_Principale : public QWidget, public Finestra {
    Q_OBJECT

public:
    static constexpr std::string_view indirizzoWeb = progetto::indirizzo();
    static constexpr std::string_view versione = "Versione Beta - 2004 11 18";

    explicit Form_Principale(QWidget* parent = nullptr);

    // Finestra
    [[nodiscard]] std::string testo(Campo campo) const override;
    void scrivi(Campo campo, std::string_view testo) override;
    [[nodiscard]] bool modoSelezionato(Modo modo) const override;
    [[nodiscard]] bool sezioneSelezionata(Sezione sezione) const override;
    void selezionaSezione(Sezione sezione) override;
    void mostraSpinner(Spinner spinner, bool visibile) override;
    void mostraRadioSezione(Sezione sezione, bool visibile) override;
    [[nodiscard]] int passo(Spinner spinner) const override;
    [[nodiscard]] Intero valoreSpinner(Spinner spinner) const override;
    void impostaValoreSpinner(Spinner spinner, Intero valore) override;

    // The window's own behaviours.
    void Form_Load();
    void Check1_Click();
    void Text1_Click();
    // Whether the window asks to stay above other windows.
    [[nodiscard]] bool inPrimoPiano() const;

    // Whether the calculator used the field's text: false while it carries a
    // note that it was not (not a number, out of range).
    [[nodiscard]] bool testoUsato(Campo c) const;
    // The fields as the details read them: a text that was not used cannot be.
    [[nodiscard]] dettagli::TestiDelCondotto testiDelCondotto() const;

    // A duct from elsewhere (a section of the run sheet), typed in as a
    // person would: the section held (Option_SezioneCanale), the first
    // size's own radio, then each text in its field, taken as its key-up
    // takes it. A rectangle: A, B, then G; a round duct: D, then G.
    void immettiCondotto(const TestiDeiCampi& testi);

signals:
    // A field's text changed, by the person or the calculator.
    void testiCambiati();
    // Check1 switched staying on top; the windows beside it follow.
    void primoPianoCambiato(bool attivo);
    // The context menu of the window's background, to be filled with what
    // the other windows offer before it opens.
    void menuContestuale(QMenu& menu);

protected:
    void contextMenuEvent(QContextMenuEvent* evento) override;

private:
    void creaControlli();
    void nuovaRiga(QWidget* parent, QRect geometriaEtichetta, Campo c, QRect geometriaCampo,
                   std::optional<QRect> geometriaSpinner = std::nullopt);
    void nuovoSpinner(QWidget* parent, Spinner s, QRect geometria);
    static QRadioButton* nuovoRadio(QWidget* parent, const DatiRadio& dati, QRect geometria);
    void impostaOrdineTab();
    void collega();
    void controlla(Campo c);
    void annota(Campo c, Uso uso);
    void finisciAttesa();
    void finisciAttesaSeUsata(Campo cambiato);
    void mostra(const Esito& esito);
    [[nodiscard]] QString perLOcchio(const QString& messaggio) const;
    void restaInPrimoPiano(bool attivo);

    CampoTesto* campo(Campo c) const { return campi_[indexOf(c)]; }
    UpDown* spinner(Spinner s) const { return spinner_[indexOf(s)]; }
    QRadioButton* radio(Modo m) const { return modi_[indexOf(m)]; }
    QRadioButton* radio(Sezione s) const { return sezioni_[indexOf(s)]; }

    std::array<CampoTesto*, countOf<Campo>> campi_{};
    std::array<UpDown*, countOf<Spinner>> spinner_{};
    std::array<QRadioButton*, countOf<Modo>> modi_{};
    std::array<QRadioButton*, countOf<Sezione>> sezioni_{};
    QGroupBox* frame1_ = nullptr;
    QCheckBox* check1_ = nullptr;
    CampoTesto* text1_ = nullptr;
    // The field whose typed text started the last recalculation, if the
    // last was one; the others then belong to that text.
    std::optional<Campo> ultimaImmissione_;
    // A held value typed, and the quantities whose change will use it: its
    // note goes when one of those changes runs.
    struct Attesa {
        Campo campo;
        std::vector<Campo> modifiche;
    };
    std::optional<Attesa> attesa_;
    Calcolatore calcolatore_{*this};
};

}  // namespace flumetra
