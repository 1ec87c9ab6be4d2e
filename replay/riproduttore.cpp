#include "replay/riproduttore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QWheelEvent>
#include <array>
#include <charconv>
#include <cstdio>
#include <memory>

#include "dettagli/righe.h"
#include "logic/quantita.h"
#include "percorso/intestazione.h"
#include "percorso/json_testo.h"
#include "percorso/righe.h"
#include "ui/calcolatore/form_principale.h"
#include "ui/calcolatore/messaggi.h"
#include "ui/dettagli/finestra_dettagli.h"
#include "ui/foglio/documento_percorso.h"
#include "ui/foglio/foglio_percorso.h"
#include "ui/programma/coordinatore.h"

namespace flumetra {

Riproduttore::Riproduttore(Coordinatore& programma, QString cartella)
    : programma_(programma), finestra_(programma.principale()), cartella_(std::move(cartella)) {}
namespace {

std::string json(const QString& testo) {
    std::string uscita = "\"";
    for (const char c : testo.toStdString()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            uscita += '\\';
            uscita += c;
        } else if (u < 0x20) {
            std::array<char, 8> codice{};
            std::snprintf(codice.data(), codice.size(), "\\u%04x", u);
            uscita += codice.data();
        } else {
            uscita += c;
        }
    }
    return uscita + '"';
}

// Where a click lands on a button: the middle of its clickable part.
QPoint clickPoint(QAbstractButton* button) {
    QStyleOptionButton opzioni;
    opzioni.initFrom(button);
    const auto elemento =
        qobject_cast<QCheckBox*>(button) != nullptr ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect;
    const QRect zona = button->style()->subElementRect(elemento, &opzioni, button);
    return zona.isValid() ? zona.center() : button->rect().center();
}

// The key that types a character, as a US layout reports it: a printable
// ASCII character is its own key code, a letter its capital's.
Qt::Key keyFor(const QString& carattere) {
    const QChar c = carattere.at(0);
    if (carattere.size() == 1 && c.unicode() < 0x80) {
        if (c.isLetter()) return static_cast<Qt::Key>(c.toUpper().unicode());
        if (c.isPrint()) return static_cast<Qt::Key>(c.unicode());
    }
    return Qt::Key_unknown;
}

void pressAndRelease(QWidget* campo, Qt::Key tasto, Qt::KeyboardModifiers modificatori, const QString& testo) {
    QKeyEvent premuto(QEvent::KeyPress, tasto, modificatori, testo);
    QApplication::sendEvent(campo, &premuto);
    QKeyEvent rilasciato(QEvent::KeyRelease, tasto, modificatori, testo);
    QApplication::sendEvent(campo, &rilasciato);
}

}  // namespace

QWidget* Riproduttore::controllo(const std::string& nome) const {
    return finestra_.findChild<QWidget*>(QString::fromStdString(nome));
}

std::string Riproduttore::esegui(const copione::Azione& azione) {
    using copione::Comando;
    switch (azione.comando) {
        case Comando::Dump: return stato();
        case Comando::Notes: return note();
        case Comando::Details: apriDettagli(); return dettagli();
        case Comando::Copy: return copia();
        case Comando::Material: scegliMateriale(azione.controllo); return {};
        case Comando::Air: scegliAria(azione.testo); return {};
        case Comando::Run: return percorso(azione.testo);
        case Comando::Title: intitola(azione.controllo, azione.testo); return {};
        case Comando::Csv:
        case Comando::Pdf: esporta(azione.comando, azione.testo); return {};
        default: break;
    }
    QWidget* target = controllo(azione.controllo);
    if (target == nullptr || !target->isVisibleTo(&finestra_)) return {};  // a person could not
    switch (azione.comando) {
        case Comando::Click: clicca(target); break;
        case Comando::Up: freccia(target, true); break;
        case Comando::Down: freccia(target, false); break;
        case Comando::Type: digita(target, azione.testo, false); break;
        case Comando::Keypad: digita(target, azione.testo, true); break;
        case Comando::Tab: tabulazione(target, false); break;
        case Comando::Backtab: tabulazione(target, true); break;
        case Comando::Wheel: rotella(target, azione.testo == "up"); break;
        case Comando::Set: scriviComeIlProgramma(target, azione.testo); break;
        case Comando::Paste: incolla(target, azione.testo); break;
        case Comando::Key: maiuscolo(target); break;
        default: break;
    }
    return {};
}

void Riproduttore::clicca(QWidget* controllo) {
    if (auto* button = qobject_cast<QAbstractButton*>(controllo)) {
        QTest::mouseClick(button, Qt::LeftButton, {}, clickPoint(button));
    } else {
        QTest::mouseClick(controllo, Qt::LeftButton, {}, controllo->rect().center());
    }
}

void Riproduttore::freccia(QWidget* spinner, bool su) {
    const QRect r = spinner->rect();
    QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(r.center().x(), su ? r.height() / 4 : r.height() * 3 / 4));
}

// On the keypad the key codes are those of a US layout, whose decimal key
// types "."; the script's "," is the decimal key of a layout that types ",".
void Riproduttore::digita(QWidget* campo, const std::string& testo, bool tastierino) {
    campo->setFocus(Qt::OtherFocusReason);
    if (auto* linea = qobject_cast<QLineEdit*>(campo); linea != nullptr && !linea->isReadOnly()) linea->clear();
    const Qt::KeyboardModifiers modificatori = tastierino ? Qt::KeypadModifier : Qt::NoModifier;
    const QString caratteri = QString::fromStdString(testo);
    for (qsizetype i = 0; i < caratteri.size(); ++i) {
        const qsizetype lunghezza = caratteri.at(i).isHighSurrogate() && i + 1 < caratteri.size() ? 2 : 1;
        const QString carattere = caratteri.mid(i, lunghezza);
        i += lunghezza - 1;
        pressAndRelease(campo, keyFor(carattere), modificatori, carattere);
    }
}

// Only in a field a person could edit, and only through the window's own
// write, which starts nothing.
void Riproduttore::scriviComeIlProgramma(QWidget* campo, const std::string& testo) {
    auto* linea = qobject_cast<QLineEdit*>(campo);
    if (linea == nullptr || linea->isReadOnly()) return;
    for (const Campo c : allValues<Campo>()) {
        if (inQt(dati(c).nome) == linea->objectName()) finestra_.scrivi(c, testo);
    }
}

// The menu's «Incolla», with the text on the clipboard and the whole field
// selected; what the edit starts runs once the paste is over, as in the
// event loop.
void Riproduttore::incolla(QWidget* campo, const std::string& testo) {
    auto* linea = qobject_cast<QLineEdit*>(campo);
    if (linea == nullptr || linea->isReadOnly()) return;
    linea->setFocus(Qt::OtherFocusReason);
    linea->selectAll();
    QGuiApplication::clipboard()->setText(QString::fromStdString(testo));
    const std::unique_ptr<QMenu> menu(linea->createStandardContextMenu());
    const QString incolla = QCoreApplication::translate("QLineEdit", "&Paste");  // «&Incolla»
    for (QAction* voce : menu->actions()) {
        if (voce->text().section(QLatin1Char('\t'), 0, 0) == incolla) voce->trigger();
    }
    QCoreApplication::sendPostedEvents(linea, QEvent::MetaCall);
}

void Riproduttore::maiuscolo(QWidget* campo) {
    campo->setFocus(Qt::OtherFocusReason);
    QKeyEvent premuto(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QApplication::sendEvent(campo, &premuto);
    QKeyEvent rilasciato(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(campo, &rilasciato);
}

// The press moves the focus; the release reaches the control that has it
// now, as on a real keyboard.
void Riproduttore::tabulazione(QWidget* campo, bool indietro) {
    campo->setFocus(Qt::OtherFocusReason);
    const Qt::Key tasto = indietro ? Qt::Key_Backtab : Qt::Key_Tab;
    const Qt::KeyboardModifiers modificatori = indietro ? Qt::ShiftModifier : Qt::NoModifier;
    QKeyEvent premuto(QEvent::KeyPress, tasto, modificatori);
    QApplication::sendEvent(campo, &premuto);
    QWidget* ora = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : campo;
    QKeyEvent rilasciato(QEvent::KeyRelease, tasto, modificatori);
    QApplication::sendEvent(ora, &rilasciato);
}

void Riproduttore::rotella(QWidget* spinner, bool su) {
    const QPointF centro = QRectF(spinner->rect()).center();
    QWheelEvent notch(centro, spinner->mapToGlobal(centro), QPoint(), QPoint(0, su ? 120 : -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(spinner, &notch);
}

std::string Riproduttore::stato() const {
    std::string s = "{";
    for (const DatiCampo& campo : tabellaCampi) {
        s += json(inQt(campo.nome)) + ':' + json(finestra_.findChild<QLineEdit*>(inQt(campo.nome))->text()) + ',';
    }
    auto selezionato = [this](const auto& radio) {
        for (const DatiRadio& r : radio) {
            if (finestra_.findChild<QRadioButton*>(inQt(r.nome))->isChecked()) return json(inQt(r.valore));
        }
        return std::string("null");
    };
    s += "\"mode\":" + selezionato(tabellaModi);
    s += ",\"held\":" + selezionato(tabellaSezioni);
    s += ",\"visible\":[";
    bool primo = true;
    auto seVisibile = [&](std::string_view nome) {
        if (!controllo(std::string(nome))->isVisibleTo(&finestra_)) return;
        if (!primo) s += ',';
        s += json(inQt(nome));
        primo = false;
    };
    for (const DatiSpinner& d : tabellaSpinner) seVisibile(d.nome);
    for (const DatiRadio& r : tabellaSezioni) seVisibile(r.nome);
    const auto* check1 = finestra_.findChild<QCheckBox*>(inQt(controlli::inPrimoPiano));
    // 0 not ticked, 1 ticked, 2 grey.
    const int valore = check1->checkState() == Qt::Checked ? 1 : check1->checkState() == Qt::PartiallyChecked ? 2 : 0;
    s += "]," + json(inQt(controlli::inPrimoPiano)) + ':' + std::to_string(valore);
    s += ',' + json(inQt(controlli::informazioni)) + ':' +
         json(finestra_.findChild<QLineEdit*>(inQt(controlli::informazioni))->text());
    s += std::string(",\"on_top\":") + (finestra_.inPrimoPiano() ? "true" : "false") + '}';
    return s;
}

// As its shortcut does, in the main window.
void Riproduttore::apriDettagli() {
    if (programma_.dettagliAperti()) return;
    QTest::keyClick(&finestra_, Qt::Key_F2);
    QCoreApplication::sendPostedEvents();
}

// As a person picks it in the window's list; not while the window is closed.
void Riproduttore::scegliMateriale(const std::string& nome) {
    if (!programma_.dettagliAperti()) return;
    auto* scelta = programma_.dettagli()->findChild<QComboBox*>(QStringLiteral("Combo_Materiale"));
    if (const auto m = dettagli::materialeDi(nome)) scelta->setCurrentIndex(static_cast<int>(*m));
}

// As a person sets the two inputs; not while the window is closed.
void Riproduttore::scegliAria(const std::string& testo) {
    if (!programma_.dettagliAperti()) return;
    if (const auto aria = copione::aria(testo)) programma_.dettagli()->scegliAria({aria->temperatura, aria->quota});
}

std::string Riproduttore::copia() {
    QTest::keyClick(&finestra_, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return json(QGuiApplication::clipboard()->text());
}

// The material, then every row of the details' table by its key.
std::string Riproduttore::dettagli() const {
    const dettagli::Dettagli d = programma_.dettagli()->valori();
    auto numero = [](std::optional<Reale> valore) {
        if (!valore) return std::string("null");
        std::array<char, 32> testo{};
        const auto fine = std::to_chars(testo.data(), testo.data() + testo.size(), *valore).ptr;
        return std::string(testo.data(), fine);
    };
    auto serie = [&](const std::optional<dettagli::DiametroDiSerie>& s) {
        if (!s) return std::string("null");
        return "{\"D\":" + std::to_string(s->D) + ",\"v\":" + numero(s->v) + ",\"Y\":" + numero(s->Y) +
               ",\"R_Pa_m\":" + numero(s->R_Pa_m) + '}';
    };
    const dettagli::DatiMateriale& materiale = dettagli::dati(d.materiale);
    std::string s = "{\"material\":" + json(inQt(materiale.nome)) + ",\"eps_mm\":" + numero(materiale.rugosita_mm);
    for (const dettagli::RigaDettaglio& riga : dettagli::righeDettagli) {
        s += ",\"" + std::string(riga.chiave) + "\":";
        if (riga.scrittura != dettagli::Scrittura::Serie) {
            s += numero(d.*riga.valore);
        } else {
            s += d.EN1506 ? '[' + serie((*d.EN1506)[0]) + ',' + serie((*d.EN1506)[1]) + ']' : std::string("null");
        }
    }
    return s + '}';
}

std::string Riproduttore::note() const {
    std::string s = "{";
    for (const DatiCampo& campo : tabellaCampi) {
        const QString nota = finestra_.findChild<QLineEdit*>(inQt(campo.nome))->accessibleDescription();
        if (nota.isEmpty()) continue;
        if (s.size() > 1) s += ',';
        s += json(inQt(campo.nome)) + ':' + json(nota);
    }
    return s + '}';
}

// No question waits for a person: the sheet's run goes as the file comes.
std::string Riproduttore::percorso(const std::string& file) {
    FoglioPercorso& foglio = programma_.mostraPercorso();
    if (const auto messaggio = foglio.documento().apri(QDir(cartella_).filePath(QString::fromStdString(file)))) {
        using percorso::OggettoJson;
        return OggettoJson(OggettoJson::Spazi::No)
            .con("errore", percorso::stringaJson(messaggio->toStdString()))
            .testo();
    }
    std::string righe;
    for (const std::string& riga : percorso::righeDelPercorso(foglio.percorso(), *foglio.risultati())) {
        if (!righe.empty()) righe += '\n';
        righe += riga;
    }
    return righe;
}

// As typed in the sheet: an edit of the open run; nothing while none is open.
void Riproduttore::intitola(const std::string& voce, const std::string& testo) {
    const FoglioPercorso* foglio = programma_.foglio();
    const auto v = percorso::voceDi(voce);
    if (!programma_.percorsoAperto() || foglio->percorso().tratti.empty() || !v) return;
    percorso::Percorso nuovo = foglio->percorso();
    nuovo.intestazione.di(*v) = testo;
    (void)foglio->documento().modifica(nuovo, QString::fromStdString(voce));
}

// As the sheet's menu writes them, with no dialog; nothing while no run is
// open. A file not written is said on standard error.
void Riproduttore::esporta(copione::Comando comando, const std::string& file) {
    const FoglioPercorso* foglio = programma_.foglio();
    if (!programma_.percorsoAperto() || foglio->percorso().tratti.empty()) return;
    const QString dove = QDir(cartella_).filePath(QString::fromStdString(file));
    const DocumentoPercorso& documento = foglio->documento();
    const auto errore = comando == copione::Comando::Csv ? documento.esportaCsvIn(dove) : documento.esportaPdfIn(dove);
    if (errore) std::fprintf(stderr, "flumetra-replay: %s\n", errore->toLocal8Bit().constData());
}

}  // namespace flumetra
