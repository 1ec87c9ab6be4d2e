// Any text given to the readers gives a value or a failure of the right
// kind; a value written and read again is the same value; the three readers
// agree with each other.

#include <cmath>
#include <cstdint>
#include <string_view>

#include "../calc/confronto.h"
#include "calc/conversioni.h"
#include "calc/testo.h"
#include "require.h"

using namespace flumetra;

namespace {

template <typename Valore>
bool failedWith(const Outcome<Valore>& r, TipoFallimento tipo) {
    return std::holds_alternative<TipoFallimento>(r) && std::get<TipoFallimento>(r) == tipo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t lunghezza) {
    const std::string_view testo(reinterpret_cast<const char*>(dati), lunghezza);
    const auto intero = outcomeOf([&] { return TestoInIntero(testo); });
    const auto decimale = outcomeOf([&] { return TestoInDecimale(testo); });
    const auto reale = outcomeOf([&] { return TestoInReale(testo); });

    // Reading never fails as a calculation; the form is judged alike by all three.
    require(!failedWith(intero, TipoFallimento::ErroreDiCalcolo));
    require(!failedWith(decimale, TipoFallimento::ErroreDiCalcolo));
    require(!failedWith(reale, TipoFallimento::ErroreDiCalcolo));
    const bool nonNumero = failedWith(reale, TipoFallimento::NonNumero);
    require(failedWith(intero, TipoFallimento::NonNumero) == nonNumero);
    require(failedWith(decimale, TipoFallimento::NonNumero) == nonNumero);
    // The ranges nest: too large for a double is too large for a Decimale, and so on.
    if (failedWith(reale, TipoFallimento::Overflow)) require(failedWith(decimale, TipoFallimento::Overflow));
    if (failedWith(decimale, TipoFallimento::Overflow)) require(failedWith(intero, TipoFallimento::Overflow));

    // Written and read again: exact for whole numbers and Decimale, 15 digits for doubles.
    if (const auto* i = std::get_if<Intero>(&intero)) require(TestoInIntero(InteroInTesto(*i)) == *i);
    if (const auto* d = std::get_if<Decimale>(&decimale)) require(TestoInDecimale(DecimaleInTesto(*d)) == *d);
    if (const auto* r = std::get_if<Reale>(&reale)) {
        // Within 15-digit rounding of the largest double, the written text
        // rounds up beyond it, and reading it back is rightly an overflow.
        const auto letto = outcomeOf([&] { return TestoInReale(RealeInTesto(*r)); });
        if (failedWith(letto, TipoFallimento::Overflow)) {
            require(std::fabs(*r) >= 1.797693134862315e308);
            return 0;
        }
        const Reale di_nuovo = std::get<Reale>(letto);
        require(RealeInTesto(di_nuovo) == RealeInTesto(*r));
        require(std::fabs(di_nuovo - *r) <= std::fabs(*r) * 1e-14);
    }

    // Agreement: a Decimale with no fraction is the whole number itself, and
    // every reading lies within its own rounding of the same exact value.
    const auto* i = std::get_if<Intero>(&intero);
    const auto* d = std::get_if<Decimale>(&decimale);
    const auto* r = std::get_if<Reale>(&reale);
    if (d != nullptr && d->decimillesimi() % 10000 == 0 && i != nullptr) {
        require(std::int64_t{*i} * 10000 == d->decimillesimi());
    }
    if (d != nullptr && i != nullptr) {
        require(std::llabs(std::int64_t{*i} * 10000 - d->decimillesimi()) <= 5000);
    }
    if (d != nullptr && r != nullptr) {
        const Reale scarto = std::fabs(*r - DecimaleInReale(*d));
        require(scarto <= 0.00005 * (1 + 1e-9) + std::fabs(*r) * 1e-15);
    }
    return 0;
}
