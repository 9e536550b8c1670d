#pragma once

#include <QDialog>

#include <cstdint>

namespace tikaroo {

class CBoxGridCanvas;

// Picks one of the 64 NES colours, starting on the one handed in.
class CChooseColorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CChooseColorDlg(std::uint8_t colour, QWidget* parent = nullptr);

    std::uint8_t Colour() const;

private:
    CBoxGridCanvas* canvas = nullptr;
};

} // namespace tikaroo
