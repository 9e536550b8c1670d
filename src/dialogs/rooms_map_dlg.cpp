#include "rooms_map_dlg.h"

#include "editor/nes_canvas.h"
#include "render/dialog_pictures.h"
#include "render/room_geometry.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace tikaroo {

namespace {
const QColor kFrameColour(0xFF, 0xF0, 0xF0);
constexpr int kVisibleRooms = 6;
} // namespace

CRoomsMapDlg::CRoomsMapDlg(const EditGraphicSet& set, const std::vector<PaletteSet>& palettes,
                           std::size_t paletteSet, std::uint8_t setRoom, QWidget* parent)
    : QDialog(parent), picture(RoomsMapPicture(set, palettes, paletteSet)),
      roomCount(static_cast<int>(set.rooms.size())) {
    setWindowTitle(QStringLiteral("Rooms"));
    auto* layout = new QVBoxLayout(this);
    canvas = new CNesCanvas(this);
    canvas->setMinimumSize(kVisibleRooms * kRoomWidth / 2, kRoomHeight + 24);
    canvas->SetPicture(&picture);
    layout->addWidget(canvas, 1);
    textLine = new QLabel(this);
    textLine->setObjectName(QStringLiteral("textLine"));
    layout->addWidget(textLine);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(canvas, &CNesCanvas::PointPicked, this, [this](QPoint point, bool /*drag*/) {
        if (point.x() >= 0 && point.x() < picture.Width()) Select(point.x() / kRoomWidth);
    });
    connect(canvas, &CNesCanvas::ArrowPressed, this,
            [this](int dx, int /*dy*/) { Select(std::clamp(room + dx, 0, std::max(roomCount - 1, 0))); });
    Select(std::min<int>(setRoom, std::max(roomCount - 1, 0)));
    resize(kVisibleRooms * kRoomWidth + 40, kRoomHeight + 120);
    canvas->setFocus();
}

// Only a laid-out canvas knows how much of the strip it shows.
void CRoomsMapDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    canvas->ScrollToFrame();
}

void CRoomsMapDlg::Select(int newRoom) {
    room = static_cast<std::uint8_t>(newRoom);
    canvas->SetFrame(QRect(kRoomWidth * newRoom, 0, kRoomWidth, kRoomHeight), kFrameColour, roomCount > 0);
    canvas->ScrollToFrame();
    textLine->setText(QStringLiteral("Room #%1").arg(newRoom + 1));
}

} // namespace tikaroo
