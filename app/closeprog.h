#pragma once

#include "platform/forms.h"

class Picture;

// The exit confirmation: the only place the program ends itself.
class closeprog final : public Form {
    Q_OBJECT
public:
    explicit closeprog(Forms& forms);

    void Image4_Click(); // YES
    void Image5_Click(); // NO

    Picture *Image3, *Image4, *Image5;
};
