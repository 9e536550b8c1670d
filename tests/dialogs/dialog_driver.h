#pragma once

// Helpers that drive the real dialogs as a user does.
#include "dialogs/box_grid_canvas.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tikaroo::test {

// Runs `act` on the next modal dialog of type T as soon as it is open.
template <typename T, typename Act>
void OnNextModal(Act act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY2(dialog != nullptr, "the expected dialog did not open");
        act(dialog);
    });
}

// Answers the next message box with `button` and keeps its text in `text` (and its caption in `caption`).
inline void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text,
                                 QString* caption = nullptr) {
    OnNextModal<QMessageBox>([button, text, caption](QMessageBox* box) {
        *text = box->text();
        if (caption != nullptr) *caption = box->windowTitle();
        box->button(button)->click();
    });
}

// The text of the message box that `act` opens, answered with `button` (its caption goes to `caption`).
inline QString MessageOf(const std::function<void()>& act,
                         QMessageBox::StandardButton button = QMessageBox::Ok, QString* caption = nullptr) {
    QString text;
    AnswerNextMessageBox(button, &text, caption);
    act();
    return text;
}

// Chooses `path` in the next file dialog; `then` runs once it is closed, before the next dialog opens.
inline void ChooseFile(const QString& path, const std::function<void()>& then = {}) {
    OnNextModal<QFileDialog>([path, then](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
        if (then) then();
    });
}

inline QPushButton* Button(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

inline void ClickButton(QWidget* dialog, const QString& text) {
    QPushButton* button = Button(dialog, text);
    QVERIFY2(button != nullptr, qPrintable(text));
    QTest::mouseClick(button, Qt::LeftButton);
}

// A left click on the box of a check box or radio button.
inline void ClickBox(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

template <typename View, typename Item>
void ClickItem(View* view, Item* item, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, view->visualItemRect(item).center());
}

// The canvas that takes the keys (previews take no focus).
inline CNesCanvas* KeyCanvas(QWidget* dialog) {
    for (CNesCanvas* canvas : dialog->findChildren<CNesCanvas*>())
        if (canvas->focusPolicy() != Qt::NoFocus) return canvas;
    return nullptr;
}

inline CBoxGridCanvas* Canvas(QWidget* dialog) {
    return dialog->findChild<CBoxGridCanvas*>();
}

// A left click on picture point (x, y) of the canvas.
inline void ClickPicture(CNesCanvas* canvas, int x, int y) {
    const QPoint scroll(canvas->horizontalScrollBar()->value(), canvas->verticalScrollBar()->value());
    QTest::mouseClick(canvas->viewport(), Qt::LeftButton, {}, QPoint(x, y) - scroll);
}

// Replaces the text of a spin box as a user types it.
inline void TypeNumber(QSpinBox* box, int value) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::number(value));
}

inline void Keys(QWidget* widget, std::initializer_list<Qt::Key> keys) {
    for (const Qt::Key key : keys) QTest::keyClick(widget, key);
}

} // namespace tikaroo::test
