// A save dialog asks before replacing the file whose name it gives; a name
// given without its extension gets one afterwards, and the file that name
// then names may exist too. It is asked about here, so that no file is
// replaced unasked.
//
//   conEstensione(w, "/home/a/rete", ".csv")  -> "/home/a/rete.csv" when no such file
//                                               exists, or the person says to replace it;
//                                               "" when the person keeps it
#pragma once

#include <QString>

class QWidget;

namespace flumetra {

QString conEstensione(QWidget* finestra, const QString& nome, const QString& estensione);

}  // namespace flumetra
