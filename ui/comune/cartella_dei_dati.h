// Where the program keeps what it writes for itself (the runs' recovery
// copies): the user's data folder, ~/.local/share/Flumetra on Linux and
// %APPDATA%\Flumetra on Windows; a test or the script player gives each of
// its processes a folder of its own, so that no two share a file.
#pragma once

#include <QString>

namespace flumetra {

[[nodiscard]] QString cartellaDeiDati();
// From now on the data folder is cartella (absolute); an empty one goes
// back to the user's.
void usaCartellaDeiDati(const QString& cartella);

}  // namespace flumetra
