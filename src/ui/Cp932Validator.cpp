#include "ui/Cp932Validator.h"

#include "ui/QtText.h"

namespace tabrix {

Cp932Validator::Cp932Validator(int maxBytes, QObject* parent) : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State Cp932Validator::validate(QString& input, int& /*pos*/) const {
    const int bytes = Cp932Length(input);
    if (bytes < 0 || (m_maxBytes > 0 && bytes > m_maxBytes)) return Invalid;
    return Acceptable;
}

}  // namespace tabrix
