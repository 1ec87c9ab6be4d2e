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
#include "ui/progetto.h"

class QCheckBox;
class QCloseEvent;
class QContextMenuEvent;
class QGroupBox;
class QMenu;
class QRadioButton;

namespace flumetra {

class CampoTesto;
class FinestraDettagli;
class FinestraDiagramma;
class FoglioPercorso;
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

    // Beside the window: the details of the duct (F2, the context menu) and
    // the summary for a report (Ctrl+Shift+C in either window).
    static constexpr QKeyCombination tastoDettagli = Qt::Key_F2;
    static constexpr QKeyCombination tastoRiepilogo = Qt::CTRL | Qt::SHIFT | Qt::Key_C;
    void mostraDettagli(bool aperta);
    [[nodiscard]] bool dettagliAperti() const;
    [[nodiscard]] FinestraDettagli* dettagli() const { return dettagli_; }
    void copiaRiepilogo();

    // The run sheet, a document window of its own (F3, the context menu).
    static constexpr QKeyCombination tastoPercorso = Qt::Key_F3;
    FoglioPercorso& mostraPercorso();
    // At start: the recovery copies that programs gone left, offered back.
    void offriRecupero();
    [[nodiscard]] bool percorsoAperto() const;

    // Whether the calculator used the field's text: false while it carries a
    // note that it was not (not a number, out of range).
    [[nodiscard]] bool testoUsato(Campo c) const;
    // The fields as the details read them: a text that was not used cannot be.
    [[nodiscard]] dettagli::TestiDelCondotto testiDelCondotto() const;
    // The friction chart beside it (F4, the context menu), with its lines
    // drawn for the air of aria().
    void mostraDiagramma(bool aperto);
    [[nodiscard]] bool diagrammaAperto() const;
    [[nodiscard]] FinestraDiagramma* diagramma() const { return diagramma_; }
    // The air the details window holds; the reference air until it is opened.
    [[nodiscard]] dettagli::Aria aria() const;

protected:
    void contextMenuEvent(QContextMenuEvent* evento) override;
    // Asks first only while the run sheet has unsaved changes.
    void closeEvent(QCloseEvent* evento) override;

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
    void collegaDettagli();
    void collegaDiagramma();
    void aggiungiVoceDiagramma(QMenu& menu);
    void mostraTrattiNelDiagramma();
    void collegaPercorso();

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
    FinestraDettagli* dettagli_ = nullptr;    // made when first opened
    FinestraDiagramma* diagramma_ = nullptr;  // likewise
    FoglioPercorso* percorso_ = nullptr;      // likewise
    Calcolatore calcolatore_{*this};
};

}  // namespace flumetra
