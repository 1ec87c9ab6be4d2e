// Plays script actions on the real window through its widgets, with the
// mouse and key events a person would cause, and reads its state back from
// the widgets.
#pragma once

#include <QString>
#include <string>
#include <utility>

#include "replay/copione.h"

class QWidget;

namespace flumetra {

class Coordinatore;
class Form_Principale;

class Riproduttore {
public:
    // cartella: where a run line's relative path starts, the script's folder.
    // programma: the windows it plays on; cartella: where a relative FILE is.
    Riproduttore(Coordinatore& programma, QString cartella);

    // Returns the line that dump, notes, details or copy prints (the lines
    // of run, one a line), nothing for the other actions.
    std::string esegui(const copione::Azione& azione);

    // The state as one JSON object on one line.
    [[nodiscard]] std::string stato() const;

    // Each field that carries a note, with the note as read, as one JSON
    // object on one line.
    [[nodiscard]] std::string note() const;

    // The details window's values, as one JSON object on one line.
    [[nodiscard]] std::string dettagli() const;

    // The run sheet opens the file as its «Apri» does; its run's lines, or
    // one line with the message the sheet gives for a refused file.
    std::string percorso(const std::string& file);

private:
    QWidget* controllo(const std::string& nome) const;
    void clicca(QWidget* controllo);
    void freccia(QWidget* spinner, bool su);
    void digita(QWidget* campo, const std::string& testo, bool tastierino);
    void scriviComeIlProgramma(QWidget* campo, const std::string& testo);
    static void incolla(QWidget* campo, const std::string& testo);
    void apriDettagli();
    void scegliMateriale(const std::string& nome);
    void scegliAria(const std::string& testo);
    std::string copia();
    void maiuscolo(QWidget* campo);
    void tabulazione(QWidget* campo, bool indietro);
    void rotella(QWidget* spinner, bool su);
    void intitola(const std::string& voce, const std::string& testo);
    void esporta(copione::Comando comando, const std::string& file);

    Coordinatore& programma_;
    Form_Principale& finestra_;
    QString cartella_;
};

}  // namespace flumetra
