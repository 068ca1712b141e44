#pragma once

#include "look.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>

// The handful of control kinds the windows are made of, with the events their handlers use.

// Mouse buttons as the handlers number them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
int mouseButtonCode(Qt::MouseButton b);

// Places a control at a position given in twips (15 twips make one pixel at 96 dpi).
int twips(int t);
void placeTwips(QWidget* w, int left, int top, int width, int height);

// A picture. As a button it raises MouseDown and MouseUp for any mouse button and Click for the
// left one; the keyboard and accessibility tools press it as a left click. A picture answers its
// own mouse presses, so they never reach the window behind it.
class Picture final : public QAbstractButton {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent, const QString& name, const QString& accessibleName = {});

    // The very picture object shown: pictures compare by identity (cacheKey), not by pixels.
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& p);
    QSize sizeHint() const override { return picture_.deviceIndependentSize().toSize(); }

signals:
    void MouseDown(int button);
    void MouseUp(int button);
    void Click();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QPixmap picture_;
    bool fromMouse_ = false;
};

// A transparent label that takes its own clicks (a press on it is not the window's).
class Label final : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, const QString& text = {});

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// The look the windows share.
namespace look {
QFont sansSerif(double points, bool bold = false);
// One typeface for the whole program, as on the system it was drawn for: the frames' titles,
// message boxes and menus in the controls' font too. A text box also lays out its text once in
// the program's font before it takes its own; with one font, the start reads one.
void useOneFont();
void setTextColour(QWidget* w, QRgb colour);
} // namespace look
