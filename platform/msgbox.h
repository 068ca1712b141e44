#pragma once

#include <QString>

// Modal message boxes with fixed texts: the one way the program tells the member about a
// failure. Tests put a scripted responder in place of the real boxes.
namespace msgbox {

enum class Buttons { Ok, YesNo }; // YesNo has Yes as its default button
enum class Icon { None, Critical };
enum class Answer { Ok, Yes, No };

class Boxes {
public:
    virtual ~Boxes() = default;
    virtual Answer show(const QString& prompt, Buttons buttons, Icon icon,
                        const QString& title) = 0;
};

class QtBoxes final : public Boxes {
public:
    Answer show(const QString& prompt, Buttons buttons, Icon icon, const QString& title) override;
};

} // namespace msgbox
