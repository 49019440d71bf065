// Widgets the command dialogs are built of, named so that tests find them:
// text boxes that take only code page 932, spin boxes, numbered radio buttons
// in a titled box, and the reading of a typed text into the model.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

class QBoxLayout;
class QButtonGroup;
class QGroupBox;
class QLayout;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace tabrix {

class IUserInterface;

// A text box for code page 932 text of at most maxBytes bytes (0: any length).
QLineEdit* TextEdit(QWidget* parent, const char* name, int maxBytes = 0);
QSpinBox* Spin(int minimum, int maximum, int value, QWidget* parent, const char* name);
// Radio buttons numbered in order (objects name0, name1, ...) in a titled box;
// the box's layout is a QVBoxLayout that takes extras.
QGroupBox* RadioBox(const char* title, std::span<const char* const> captions, QButtonGroup*& group, QWidget* parent,
                    const char* name);
inline QGroupBox* RadioBox(const char* title, std::initializer_list<const char*> captions, QButtonGroup*& group,
                           QWidget* parent, const char* name) {
    return RadioBox(title, std::span<const char* const>(captions.begin(), captions.size()), group, parent, name);
}
// Radio buttons numbered in order, added to layout, the one numbered checked
// set. With a name, the group takes it and the buttons are name0, name1, ...
QButtonGroup* Radios(QWidget* parent, QBoxLayout* layout, std::initializer_list<const char*> captions, int checked,
                     const char* name = nullptr);
// A titled box around a layout.
QGroupBox* Framed(QWidget* parent, const char* caption, QLayout* inner);
// Checks the radio button numbered id.
void Check(QButtonGroup* group, int id);
// The typed text as code page 932; false after telling the user when a
// character has no code.
bool StoreText(const QLineEdit* edit, std::string& text, IUserInterface& ui);

}  // namespace tabrix
