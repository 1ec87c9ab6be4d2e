// A call made once the event loop turns, however many times it is asked for
// before: a window that redraws from the fields asks at every change of a
// field, and draws once.
//
//   ChiamataPresto ridisegna(this, [this] { aggiorna(); });
//   ridisegna.chiedi(); ridisegna.chiedi();   -> aggiorna() once, later
#pragma once

#include <QObject>
#include <functional>
#include <utility>

namespace flumetra {

class ChiamataPresto {
public:
    ChiamataPresto(QObject* contesto, std::function<void()> chiamata)
        : contesto_(contesto), chiamata_(std::move(chiamata)) {}

    void chiedi() {
        if (inAttesa_) return;
        inAttesa_ = true;
        QMetaObject::invokeMethod(
            contesto_,
            [this] {
                inAttesa_ = false;
                chiamata_();
            },
            Qt::QueuedConnection);
    }

private:
    QObject* contesto_;
    std::function<void()> chiamata_;
    bool inAttesa_ = false;
};

}  // namespace flumetra
