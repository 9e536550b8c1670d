#pragma once

#include <QAbstractScrollArea>
#include <QImage>

namespace tikaroo {

// The scrolling picture control in the middle of the main window and of the picture dialogs.
class CNesCanvas : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CNesCanvas(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateScrollBars();

    QImage picture;
};

} // namespace tikaroo
