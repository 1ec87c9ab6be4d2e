// After a crash, at start: each copy a program that is gone left (oldest
// first), offered back with its run's name and time. «Ripristina» puts it
// in the run sheet as unsaved changes, «Scarta» removes that copy only,
// «Più tardi» keeps it for the next start; a copy that cannot be read is
// moved aside and the message says where.
#pragma once

#include <functional>

class QWidget;

namespace flumetra {

class FoglioPercorso;

// foglio opens the run sheet, only when a copy is restored.
void offriCopieLasciate(QWidget& finestra, const std::function<FoglioPercorso&()>& foglio);

}  // namespace flumetra
