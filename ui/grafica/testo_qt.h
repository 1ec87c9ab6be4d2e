// The program's texts, UTF-8 in the libraries below the windows, as Qt's
// strings.
#pragma once

#include <QString>
#include <string_view>

namespace flumetra {

inline QString inQt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace flumetra
