#include "controls.h"

#include <QApplication>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

int mouseButtonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return 0;
    }
}

int twips(int t) {
    return (t + 7) / 15;
}

void placeTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

Picture::Picture(QWidget* parent, const QString& name, const QString& accessibleName)
    : QAbstractButton(parent) {
    setObjectName(name);
    setFocusPolicy(accessibleName.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
    if (!accessibleName.isEmpty()) {
        setText(accessibleName);
        setAccessibleName(accessibleName);
    }
    // Presses that do not come from the mouse (keyboard, accessibility tools) are a left click.
    connect(this, &QAbstractButton::pressed, this, [this] {
        if (!fromMouse_) emit MouseDown(LeftButton);
    });
    connect(this, &QAbstractButton::released, this, [this] {
        if (!fromMouse_) emit MouseUp(LeftButton);
    });
    connect(this, &QAbstractButton::clicked, this, &Picture::Click);
}

void Picture::setPicture(const QPixmap& p) {
    picture_ = p;
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &painter, this);
    }
}

void Picture::mousePressEvent(QMouseEvent* e) {
    fromMouse_ = true;
    emit MouseDown(mouseButtonCode(e->button()));
    if (e->button() == Qt::LeftButton) QAbstractButton::mousePressEvent(e);
    e->accept();
    fromMouse_ = false;
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
    fromMouse_ = true;
    emit MouseUp(mouseButtonCode(e->button()));
    if (e->button() == Qt::LeftButton) QAbstractButton::mouseReleaseEvent(e);
    e->accept();
    fromMouse_ = false;
}

Label::Label(QWidget* parent, const QString& name, const QString& text) : QLabel(text, parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText); // an alias such as "<b>Owl</b>" shows as typed
}

void Label::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit Click();
}

namespace look {

QFont sansSerif(double points, bool bold) {
    // The design's font. Liberation Sans has the metrics of the Windows sans serif, so every
    // caption takes the room it was given.
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

void useOneFont() {
    QApplication::setFont(sansSerif(8.25));
}

void setTextColour(QWidget* w, QRgb colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor(colour));
    p.setColor(QPalette::Text, QColor(colour));
    w->setPalette(p);
}

} // namespace look
