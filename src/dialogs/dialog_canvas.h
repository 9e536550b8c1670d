#pragma once

#include "editor/nes_canvas.h"

namespace tikaroo {

// A canvas exactly large enough to show a picture of width x height without scrolling.
inline CNesCanvas* NewDialogCanvas(QWidget* parent, int width, int height) {
    auto* canvas = new CNesCanvas(parent);
    canvas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    canvas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    canvas->setFixedSize(width + 2 * canvas->frameWidth(), height + 2 * canvas->frameWidth());
    return canvas;
}

} // namespace tikaroo
