#pragma once

#include "platform/forms.h"

class Label;
class Picture;

// The credits.
class About final : public Form {
    Q_OBJECT
public:
    explicit About(Forms& forms);

    void Image1_Click();
    void Label2_Click();

    Label *Label1, *Label2, *Label3, *Label4, *Label5;
    Picture* Image1;

protected:
    void paintEvent(QPaintEvent* e) override;
};
