// The delimiter choice shared by the file-read and new-file dialogs:
// "ＣＳＶ形式" / "ＴＡＢ区切" / "ｽﾍﾟｰｽ区切" / "その他" with a one-character box
// that is enabled only for "その他". Without "その他" it offers the three
// delimiters a control file names.
#pragma once

#include <QGroupBox>

#include <array>
#include <string>

#include "document/Delimiter.h"

class QLineEdit;
class QRadioButton;

namespace tabrix {

class DelimiterGroup : public QGroupBox {
    Q_OBJECT
public:
    DelimiterGroup(const QString& title, QWidget* parent, bool withOther = true);

    void setChoice(DelimKind choice, const std::string& other);
    DelimKind choice() const;
    QString otherText() const;

private:
    void updateEnabling();

    std::array<QRadioButton*, 4> m_buttons{};
    QLineEdit* m_other;
};

}  // namespace tabrix
