#include "ui/foglio/dialogo_intestazione.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "ui/grafica/testo_qt.h"

namespace flumetra {
namespace {

using percorso::Voce;

// Each label's key: P, C, G, R, N.
constexpr std::array<int, percorso::numeroVoci> mnemonico = {0, 0, 3, 0, 0};

}  // namespace

std::optional<percorso::Intestazione> chiediIntestazione(QWidget* finestra, const percorso::Intestazione& attuale) {
    QDialog dialogo(finestra);
    dialogo.setWindowTitle(QStringLiteral("Intestazione del percorso"));
    auto* modulo = new QFormLayout(&dialogo);
    std::array<QLineEdit*, percorso::numeroVoci> righe{};
    QPlainTextEdit* note = nullptr;
    for (std::size_t k = 0; k < percorso::numeroVoci; ++k) {
        const auto v = static_cast<Voce>(k);
        QString etichetta = inQt(percorso::dati(v).etichetta);
        etichetta.insert(mnemonico[k], QLatin1Char('&'));
        QWidget* campo = nullptr;
        if (v == Voce::Note) {
            note = new QPlainTextEdit(inQt(attuale.di(v)), &dialogo);
            note->setTabChangesFocus(true);
            note->setFixedHeight(note->fontMetrics().lineSpacing() * 4 + 2 * note->frameWidth() + 8);
            campo = note;
        } else {
            righe[k] = new QLineEdit(inQt(attuale.di(v)), &dialogo);
            righe[k]->setMinimumWidth(righe[k]->fontMetrics().averageCharWidth() * 48);
            campo = righe[k];
        }
        campo->setAccessibleName(inQt(percorso::dati(v).etichetta));
        modulo->addRow(etichetta, campo);
    }
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogo);
    pulsanti->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annulla"));
    modulo->addRow(pulsanti);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;

    percorso::Intestazione nuova;
    for (std::size_t k = 0; k < percorso::numeroVoci; ++k) {
        const auto v = static_cast<Voce>(k);
        nuova.di(v) = (v == Voce::Note ? note->toPlainText() : righe[k]->text()).trimmed().toStdString();
    }
    return nuova;
}

}  // namespace flumetra
