// The window's font: the first of a few common desktop families that is
// installed, at the largest size from 12 px down at which every caption and
// start text fits whole in its box.
#pragma once

#include <QFont>

class QWidget;

namespace flumetra {

QFont carattereCheEntra(const QWidget* finestra);

}  // namespace flumetra
