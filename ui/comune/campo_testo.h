// A one-line text field that reports each key release once the key has
// changed the text, every other edit by the person once, and clicks.
//
// A release counts only when its key was pressed in this field: the release
// of the Tab that brought the focus here, or of a key pressed before a mouse
// click moved the focus, belongs to another control. A key held down and
// repeated by the system counts once, at its last release. Nor does the
// release of a key that made one of the program's shortcuts.
//
// An edit without a key of this field (the context menu's paste, delete,
// undo and redo, a middle-click paste, a drop, an assistive technology
// setting the text) is reported once, as Modificato, after the event that
// made it. A program write (scriviDalProgramma) reports nothing.
//
// The numeric keypad's decimal key types the decimal comma, whatever the
// keyboard layout; so does the main keyboard's full stop where asked. On a
// read-only field, Space and Enter are a click.
#pragma once

#include <QLineEdit>
#include <QSet>

namespace flumetra {

class CampoTesto : public QLineEdit {
    Q_OBJECT

public:
    CampoTesto(const QString& testo, QWidget* parent);

    // Replaces the text as the program does: nothing is reported. A text
    // the program writes is a text the calculator uses.
    void scriviDalProgramma(const QString& testo);

    // The last text of the field that the calculator used: its start text,
    // what the program wrote, or what the person typed and the check took.
    [[nodiscard]] const QString& testoUsato() const { return testoUsato_; }
    void segnaUsato() { testoUsato_ = text(); }

    // For a field whose numbers never have a digit group.
    void puntoComeVirgola(bool attivo) { puntoComeVirgola_ = attivo; }

    // A read-only field that works as a push button: a click, Space or
    // Enter, or an assistive technology's Press action is its Click.
    void comePulsante() { pulsante_ = true; }
    [[nodiscard]] bool pulsante() const { return pulsante_; }
    void clicca() { emit Click(); }

    // The keys down in the field belong to a shortcut that has just run:
    // their releases run nothing.
    void dimenticaITasti() { premuti_.clear(); }

    // The field's note: the tooltip (lines already wrapped for the eye) and
    // the accessible description (one line, for a screen reader). With
    // allUscita, it is also shown when the focus leaves the field while it
    // stands. Empty texts remove it.
    void annota(const QString& perLOcchio, const QString& perLaVoce, bool allUscita);

signals:
    void KeyUp(int tasto, int modificatori);
    void Modificato();
    void Click();

protected:
    bool event(QEvent* evento) override;
    void keyReleaseEvent(QKeyEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    void testoCambiato();

    QSet<int> premuti_;  // keys pressed here and not yet released
    QString testoUsato_;
    bool scriveIlProgramma_ = false;
    bool modificaDaRiferire_ = false;
    bool puntoComeVirgola_ = false;
    bool notaAllUscita_ = false;
    bool pulsante_ = false;
};

}  // namespace flumetra
