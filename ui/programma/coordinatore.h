// The program's windows, opened and connected in one place: the calculator
// (the main window), the duct's details, the friction chart and the run
// sheet. No window knows another: what one needs of another reaches it from
// here. The shortcuts work in every window (tasti.h), the calculator's
// context menu offers the others, and closing the calculator asks first
// while the run sheet has unsaved changes.
#pragma once

#include <QObject>
#include <memory>

#include "dettagli/aria.h"
#include "ui/calcolatore/form_principale.h"

class QMenu;

namespace flumetra {

class FinestraDettagli;
class FinestraDiagramma;
class FoglioPercorso;
class Posti;

class Coordinatore : public QObject {
    Q_OBJECT

public:
    Coordinatore();
    ~Coordinatore() override;
    Coordinatore(const Coordinatore&) = delete;
    Coordinatore& operator=(const Coordinatore&) = delete;

    [[nodiscard]] Form_Principale& principale() { return principale_; }

    // Beside the calculator (posti.h), above others as the calculator is.
    void mostraDettagli(bool aperta);
    [[nodiscard]] bool dettagliAperti() const;
    [[nodiscard]] FinestraDettagli* dettagli() const { return dettagli_; }
    // The summary for a report, on the clipboard.
    void copiaRiepilogo();
    // The air the details hold; the reference air until they are opened.
    [[nodiscard]] dettagli::Aria aria() const;

    void mostraDiagramma(bool aperto);
    [[nodiscard]] bool diagrammaAperto() const;
    [[nodiscard]] FinestraDiagramma* diagramma() const { return diagramma_; }

    // The run sheet, a document window of its own; brought forward when open.
    FoglioPercorso& mostraPercorso();
    [[nodiscard]] bool percorsoAperto() const;
    // The run sheet, when it has been opened.
    [[nodiscard]] FoglioPercorso* foglio() const { return percorso_; }
    // At start: the recovery copies that programs gone left, offered back.
    void offriRecupero();

protected:
    // The calculator's close, which asks first while the sheet has unsaved changes.
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void creaScorciatoie();
    void creaFinestre();
    void riempiMenu(QMenu& menu);
    void seguiPrimoPiano(bool attivo);
    void mostraTrattiNelDiagramma();
    void apriNelCalcolatore(const TestiDeiCampi& testi, bool conDettagli);

    Form_Principale principale_;
    // Made at the first opening of any of them, the calculator's children.
    FinestraDettagli* dettagli_ = nullptr;
    FinestraDiagramma* diagramma_ = nullptr;
    FoglioPercorso* percorso_ = nullptr;
    std::unique_ptr<Posti> posti_;  // where they open
};

}  // namespace flumetra
