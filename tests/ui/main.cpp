// One QApplication for every widget test, on the offscreen platform unless
// another is set, at 96 DPI so that twips map to the pixels they name, and
// a data folder of this process's own: tests run side by side share none.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "ui/comune/cartella_dei_dati.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        QFile::setPermissions(runtimeDir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toUtf8());
    }
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir dati;
    if (!dati.isValid()) return 1;
    flumetra::usaCartellaDeiDati(dati.path());
    return RUN_ALL_TESTS();
}
