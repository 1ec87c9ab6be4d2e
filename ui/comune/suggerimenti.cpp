#include "ui/comune/suggerimenti.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <utility>

namespace flumetra::suggerimenti {
namespace {

class AllOcchio : public QObject {
public:
    AllOcchio(QWidget* controllo, QString testo) : QObject(controllo), testo_(std::move(testo)) {
        controllo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() != QEvent::ToolTip) return QObject::eventFilter(oggetto, evento);
        auto* controllo = static_cast<QWidget*>(oggetto);
        QToolTip::showText(static_cast<QHelpEvent*>(evento)->globalPos(), testo_, controllo);
        return true;
    }

private:
    QString testo_;
};

// Runs a function once, after the mouse button that is down now is released.
class DopoIlRilascio : public QObject {
public:
    DopoIlRilascio(std::function<void()> azione, QObject* parent) : QObject(parent), azione_(std::move(azione)) {
        QApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::MouseButtonRelease) {
            QTimer::singleShot(0, parent(), azione_);
            deleteLater();
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    std::function<void()> azione_;
};

}  // namespace

void mostraAllOcchio(QWidget* controllo, const QString& testo) { new AllOcchio(controllo, testo); }

QString wrappedToWidth(const QString& testo, const QFontMetrics& metrica, int larghezza) {
    QStringList righe;
    QString riga;
    for (QString parola : testo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = riga.isEmpty() ? parola : riga + QLatin1Char(' ') + parola;
        if (metrica.horizontalAdvance(candidate) <= larghezza) {
            riga = candidate;
            continue;
        }
        if (!riga.isEmpty()) righe << riga;
        // A word wider than a line is cut where the line ends.
        while (parola.size() > 1 && metrica.horizontalAdvance(parola) > larghezza) {
            qsizetype entra = 1;
            while (entra + 1 < parola.size() && metrica.horizontalAdvance(parola.left(entra + 1)) <= larghezza) ++entra;
            righe << parola.left(entra);
            parola.remove(0, entra);
        }
        riga = parola;
    }
    if (!riga.isEmpty()) righe << riga;
    return righe.join(QLatin1Char('\n'));
}

// The tooltip's frame and margin, as Qt's tooltip label draws them.
int larghezzaRiga(const QWidget* finestra) {
    const int margine = 1 + finestra->style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, finestra);
    const int cornice = 1;
    return finestra->width() - 2 * (margine + cornice) - 2;
}

void mostraSotto(QWidget* campo, const QString& testo) {
    auto mostraOra = [campo, testo] {
        // Qt puts a tooltip 2 px right of and one cursor height (16 px by
        // default) below the point it is given.
        const QPoint sotto(campo->window()->mapToGlobal(QPoint(0, 0)).x(),
                           campo->mapToGlobal(QPoint(0, campo->height())).y());
        QToolTip::showText(sotto - QPoint(2, 16), testo, campo);
    };
    if (QApplication::mouseButtons() == Qt::NoButton) {
        mostraOra();
    } else {
        new DopoIlRilascio(mostraOra, campo);
    }
}

}  // namespace flumetra::suggerimenti
