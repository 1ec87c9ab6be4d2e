// Decimale values as tests write them: from a count of ten-thousandths,
// where the text reader itself is under test, or from a field text.
//   decimillesimi(35000) -> 3.5
//   dec("3,5")           -> 3.5
#pragma once

#include <cstdint>
#include <string_view>

#include "calc/decimale.h"
#include "calc/testo.h"

namespace flumetra {

inline Decimale decimillesimi(std::int64_t conteggio) { return Decimale::daDecimillesimi(conteggio); }
inline Decimale dec(std::string_view testo) { return TestoInDecimale(testo); }

}  // namespace flumetra
