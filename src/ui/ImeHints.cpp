#include "ui/ImeHints.h"

namespace tabrix {

bool InputMethodOf(ImeRequest request, EditorInputMethod& state) {
    switch (request) {
        case ImeRequest::LeaveAlone: return false;
        case ImeRequest::Close: state = {false, Qt::ImhPreferLatin}; return true;
        case ImeRequest::FullAlphanumeric: state = {true, Qt::ImhPreferLatin}; return true;
        case ImeRequest::FullHiragana:
        case ImeRequest::FullKatakana:
        case ImeRequest::HalfKatakana:
        case ImeRequest::FullSymbol: state = {true, Qt::ImhNone}; return true;
    }
    return false;
}

}  // namespace tabrix
