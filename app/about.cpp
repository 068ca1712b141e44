#include "about.h"

#include "platform/art.h"
#include "platform/controls.h"

#include <QPainter>

About::About(Forms& forms)
    : Form(forms, QStringLiteral("About"), Kind::MdiChild, tr("About"), 11325, 7395) {
    setFrameClosable(true);
    setBackgroundPicture(art::background(true));
    auto label = [this](const QString& name, const QString& text, QRect at, double points) {
        auto* l = new Label(this, name, text);
        l->setFont(look::sansSerif(points, true));
        l->setWordWrap(true);
        look::setTextColour(l, look::caption);
        placeTwips(l, at.x(), at.y(), at.width(), at.height());
        return l;
    };
    Label5 =
        label(QStringLiteral("Label5"), tr("TOVO credits and info."), {4560, 3360, 3135, 375}, 12);
    Label1 = label(QStringLiteral("Label1"),
                   tr("Programming, art and design: The TOVO client team\n"
                      "Contact at: owls@ilnightowls.example"),
                   {4200, 3960, 3855, 615}, 8.25);
    Label3 = label(QStringLiteral("Label3"), tr("Design Assitant: Lamplighter"),
                   {4080, 4680, 3855, 495}, 8.25);
    Label4 = label(QStringLiteral("Label4"), tr("Network Admins: Ironside and Barn Owl"),
                   {4200, 5520, 3855, 375}, 8.25);
    Label2 = label(QStringLiteral("Label2"), tr("Additional Artwork: Nightjar"),
                   {4080, 5880, 3855, 495}, 8.25);
    for (Label* l : {Label1, Label3, Label4, Label2})
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    const QString close = tr("Close");
    Image1 = new Picture(this, QStringLiteral("Image1"), close);
    Image1->setPicture(art::button(close, 136, 45));
    placeTwips(Image1, 4680, 6720, 2040, 675);
    connect(Image1, &Picture::Click, this, &About::Image1_Click);
    connect(Label2, &Label::Click, this, &About::Label2_Click);
}

void About::Image1_Click() {
    forms().hide(QStringLiteral("About"));
}
void About::Label2_Click() {
    forms().hide(QStringLiteral("About"));
}

void About::paintEvent(QPaintEvent* e) {
    Form::paintEvent(e);
    QPainter p(this);
    p.setPen(QColor(look::caption));
    for (int y : {4680, 5280, 5880, 3840})
        p.drawLine(twips(3960), twips(y), twips(8040), twips(y));
}
