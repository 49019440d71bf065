// Refuses typing a character that code page 932 cannot hold, and text longer
// than a byte limit, so an edit box never holds what the program cannot store.
#pragma once

#include <QValidator>

namespace tabrix {

class Cp932Validator : public QValidator {
    Q_OBJECT
public:
    // maxBytes 0: no limit.
    explicit Cp932Validator(int maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    int m_maxBytes;
};

}  // namespace tabrix
