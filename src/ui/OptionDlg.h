// The options dialog "オプション設定", bound to the COption model.
#pragma once

#include <array>
#include <cstdint>

#include "app/Option.h"
#include "ui/ModelDialog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tabrix {

class ColorButton;

class COptionDlg : public ModelDialog {
    Q_OBJECT
public:
    COptionDlg(COption& model, QWidget* parent);

protected:
    bool storeToModel() override;

private:
    QWidget* buildGeneralGroup();
    QWidget* buildDisplayGroup();
    QWidget* buildColourGroup();
    QWidget* buildEraGroup();
    QWidget* buildFileGroup();
    void loadFromModel();
    void updateEnabling();
    void chooseFolder();
    void chooseFont();
    void showFont();

    COption& m_model;
    bool m_loading = false;  // the check boxes are being filled, not ticked by the user
    QLineEdit* m_defDir;
    QLineEdit* m_font;
    QComboBox* m_psize;
    QComboBox* m_tsize;
    QSpinBox* m_recNum;
    QCheckBox* m_openDlg;
    QCheckBox* m_hanspDisp;
    QLineEdit* m_hanspChar;
    QCheckBox* m_zenspDisp;
    QLineEdit* m_zenspChar;
    QCheckBox* m_savePos;
    QCheckBox* m_prnmMde;
    QCheckBox* m_windBar;
    QRadioButton* m_windBarTop;
    QRadioButton* m_windBarBottom;
    QCheckBox* m_colorDisp;
    ColorButton* m_noEditClr;
    ColorButton* m_virtualClr;
    ColorButton* m_backColor1;
    ColorButton* m_backColor2;
    ColorButton* m_foreColor;
    std::array<QDateEdit*, 4> m_eraDate{};
    std::array<QLineEdit*, 4> m_eraShort{};
    std::array<QLineEdit*, 4> m_eraLong{};
    QCheckBox* m_colNumErr;
    QCheckBox* m_ctlNumErr;
    QSpinBox* m_newLine;
    QSpinBox* m_newCol;
    QSpinBox* m_undoMemory;
};

}  // namespace tabrix
