// File > Export patch...: the patch that turns the original game into the ROM file as saved, so that a
// hack can be shared without the ROM.
#include "command_handlers.h"
#include "dialogs/file_dialogs.h"
#include "editor_settings.h"
#include "main_window.h"

#include "rom/file_io.h"
#include "rom/patch_error.h"
#include "rom/patch_formats.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

namespace tikaroo {

namespace {

const QString kTitle = QStringLiteral("Export patch");
const QString kIpsFilter = QStringLiteral("IPS patch (*.ips)");
const QString kPatchFilters = QStringLiteral("BPS patch (*.bps);;") + kIpsFilter;

std::string SystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The unsaved changes would be missing from the patch: the ROM is saved first when the user agrees.
bool SavedFirst(CMainWindow& window) {
    if (!window.Modified()) return true;
    const auto answer = QMessageBox::question(
        &window, kTitle,
        QStringLiteral("A patch is made from the ROM file as saved, and your changes are not saved yet.\n"
                       "Save the ROM now?"));
    return answer == QMessageBox::Yes && window.SaveRomAs({});
}

// A name typed without the extension of a patch format gets that of the chosen filter.
QString WithPatchExtension(const QString& path, const QString& filter) {
    if (PatchFormatForName(SystemPath(path)) != nullptr) return path;
    return path + (filter == kIpsFilter ? QStringLiteral(".ips") : QStringLiteral(".bps"));
}

bool ReadFile(CMainWindow& window, const QString& path, Bytes& bytes) {
    if (ReadWholeFile(SystemPath(path), kMaxPatchedFileSize, bytes) == FileReadResult::Ok) return true;
    QMessageBox::critical(&window, kTitle, QStringLiteral("Unable to read file '%1'.").arg(path));
    return false;
}

void WritePatch(CMainWindow& window, const QString& originalPath, const QString& patchPath) {
    Bytes original;
    Bytes edited;
    if (!ReadFile(window, originalPath, original) || !ReadFile(window, window.RomFilePath(), edited)) return;
    const PatchFormat& format = *PatchFormatForName(SystemPath(patchPath));
    Bytes patch;
    try {
        patch = format.make(original, edited);
    } catch (const PatchError& error) {
        QMessageBox::critical(&window, kTitle, QString::fromLocal8Bit(error.what()));
        return;
    }
    if (!WriteFileAtomically(SystemPath(patchPath), patch)) {
        QMessageBox::critical(&window, kTitle, QStringLiteral("Unable to write file '%1'.").arg(patchPath));
        return;
    }
    window.SetStatusText(0, QStringLiteral("%1 patch written: %2 (%3 bytes)")
                                .arg(QString::fromLatin1(format.name.data(), format.name.size()),
                                     QFileInfo(patchPath).fileName())
                                .arg(patch.size()));
}

} // namespace

void ExportPatchCommand(CMainWindow& window) {
    if (!SavedFirst(window)) return;
    // The original chosen last is offered again, also in the next run.
    const QString original =
        ChooseFileToOpen(&window, QStringLiteral("Original ROM the patch applies to"),
                         editor_settings::PatchOriginal(), QStringLiteral("NES files (*.nes)"));
    if (original.isEmpty()) return;
    editor_settings::StorePatchOriginal(original);
    const QFileInfo rom(window.RomFilePath());
    QString filter;
    const QString chosen = ChooseFileToSave(
        &window, kTitle, rom.path() + QLatin1Char('/') + rom.completeBaseName() + QStringLiteral(".bps"),
        kPatchFilters, &filter);
    if (!chosen.isEmpty()) WritePatch(window, original, WithPatchExtension(chosen, filter));
}

} // namespace tikaroo
