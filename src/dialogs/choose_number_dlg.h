#pragma once

#include <QDialog>

#include <cstddef>
#include <vector>

class QListWidget;

namespace tikaroo {

// Picks one of a list of palette numbers, shown counted from 1 ("#%d").
class CChooseNumberDlg : public QDialog {
    Q_OBJECT
public:
    explicit CChooseNumberDlg(const std::vector<std::size_t>& numbers, QWidget* parent = nullptr);

    std::size_t Number() const { return chosen; }

    // Refuses to close without a chosen number.
    void accept() override;

private:
    QListWidget* list = nullptr;
    std::size_t chosen = 0;
};

} // namespace tikaroo
