// Linked into every window test: the settings that the editor reads and writes go to a folder of the
// test run's own, removed at its end, never to the user's.
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {

void UsePrivateSettings() {
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(UsePrivateSettings)
