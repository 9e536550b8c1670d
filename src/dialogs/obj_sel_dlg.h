#pragma once

#include "game/game_rom.h"

#include <QDialog>

#include <cstddef>
#include <vector>

class QTreeWidget;

namespace tikaroo {

class CObjectImages;

// Picks one of several objects found under a click.
class CObjSelDlg : public QDialog {
    Q_OBJECT
public:
    CObjSelDlg(const std::vector<ObjectHit>& hits, const CObjectImages& images, QWidget* parent = nullptr);

    // The position of the chosen hit in the list handed in, after OK.
    std::size_t Chosen() const { return chosen; }

    void accept() override;

private:
    QTreeWidget* table = nullptr;
    std::size_t chosen = 0;
};

} // namespace tikaroo
