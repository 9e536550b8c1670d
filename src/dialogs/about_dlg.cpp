#include "about_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tikaroo {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About editor"));
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(QStringLiteral("<b>NES Tikaroo Level Editor v1.1.1</b><br>"
                                              "A level editor for ROM images of the NES game Tikaroo."));
    auto* keys = new QLabel(QStringLiteral("Use follow keys:\n\t* QWERTY+/ASDFGH- - modify room "
                                           "geometry\n\t* Ctrl+Space/Space - Copy/Paste current "
                                           "room (block/tile/palette color etc)"));
    auto* link =
        new QLabel(QStringLiteral("<a href=\"https://github.com/search?q=tikaroo+editor\">Report a problem "
                                  "or ask a question</a>"));
    link->setOpenExternalLinks(true);
    link->setObjectName(QStringLiteral("contactLink"));
    layout->addWidget(product);
    layout->addWidget(keys);
    layout->addWidget(link);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace tikaroo
