// The input method state the view asks for while a cell is edited, in Qt's
// terms. Qt has no call that switches an input method between hiragana,
// katakana and symbol modes: a closed input method is a disabled one, a
// full-width alphanumeric request prefers Latin input, and the kana and
// symbol requests leave the input method open in its own (Japanese) mode.
#pragma once

#include <Qt>

#include "schema/ColImeMode.h"

namespace tabrix {

struct EditorInputMethod {
    bool enabled = true;
    Qt::InputMethodHints hints = Qt::ImhNone;

    friend bool operator==(const EditorInputMethod&, const EditorInputMethod&) = default;
};

// False when the request leaves the input method as it is.
bool InputMethodOf(ImeRequest request, EditorInputMethod& state);

}  // namespace tabrix
