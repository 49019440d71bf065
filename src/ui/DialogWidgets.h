// Small builders shared by the dialogs bound to models: named widgets, so
// that tests find them, and the typed text read back as code page 932.
#pragma once

#include <initializer_list>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace tabrix {

class IUserInterface;

// A line edit that takes only code page 932 text (at most maxBytes, 0: any).
QLineEdit* TextEdit(QWidget* parent, const char* name, int maxBytes = 0);
QSpinBox* Spin(int minimum, int maximum, int value, QWidget* parent, const char* name);
// Radio buttons numbered in order in a titled box; the box's layout is given back for extras.
QGroupBox* RadioBox(const char* title, std::initializer_list<const char*> captions, QButtonGroup*& group,
                    QWidget* parent, const char* name);
void Check(QButtonGroup* group, int id);
// The typed text as code page 932; false after telling the user when a
// character has no code.
bool StoreText(const QLineEdit* edit, std::string& text, IUserInterface& ui);

}  // namespace tabrix
