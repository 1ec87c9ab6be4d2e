// The friction chart as a widget: it draws what it is given with the chart's
// painter, says in a tooltip what lies under the pointer and tells a screen
// reader what it shows.
#pragma once

#include <QWidget>
#include <optional>

#include "ui/grafica/disegno_diagramma.h"

namespace flumetra {

class GraficoPerdite : public QWidget {
    Q_OBJECT

public:
    explicit GraficoPerdite(QWidget* parent);

    void mostra(ContenutoDiagramma contenuto);
    [[nodiscard]] const ContenutoDiagramma& contenuto() const { return contenuto_; }
    [[nodiscard]] PianoDiagramma piano() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    ContenutoDiagramma contenuto_;
};

}  // namespace flumetra
