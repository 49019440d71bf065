#include "schema/ColDefCheck.h"

#include <string>

#include "app/UserInterface.h"
#include "schema/ColCtrl.h"
#include "text/FormatBits.h"

namespace tabrix {

namespace {

constexpr FormatBits kAllBits = 0xFFFFFFFF;

// The notation rule of an in-file column's type; empty when format 1 fits.
const char* FormatComplaint(const CColCtrl& col) {
    const FormatBits f = col.m_nFormat1;
    switch (col.m_nType) {
    case kTypeText:
        if (f & ~kFmtTextMask) return "文字タイプの場合、「数字、日付、時刻」フォーマットは指定出来ません。\n";
        break;
    case kTypeNumber:
        if (f != kFmtNum1 && f != kFmtNum2) return "数字タイプの場合、「NUM1,NUM2」以外は指定出来ません。\n";
        break;
    case kTypeDate:
        if (!IsDateNotation(f)) return "日付タイプの場合、「DATE1～6」以外は指定出来ません。\n";
        break;
    case kTypeTime:
        if (!IsTimeNotation(f)) return "時刻タイプの場合、「TIME1～6」以外は指定出来ません。\n";
        break;
    }
    return nullptr;
}

void CheckTranslation(const CTranCtrl& tran, std::string& text) {
    if (tran.m_bTran) {
        if (tran.m_strFile.empty()) text += "翻訳指定の場合は、ファイル名(TRAN_FILE)を指定して下さい。\n";
        if (tran.m_nKeyPos == -1) text += "翻訳指定の場合は、キー列番号(TRAN_KEYPOS)を指定して下さい。\n";
        if (tran.m_NamePos.empty()) text += "翻訳指定の場合は、名称列番号(TRAN_NAMEPOS)を指定して下さい。\n";
        // Each target column takes the name at the same place of the name list.
        if (tran.m_TranCols.size() > tran.m_NamePos.size())
            text += "翻訳指定の場合は、翻訳先列番号(TRAN_COL)を名称列番号(TRAN_NAMEPOS)の数以下で指定して下さい。\n";
        return;
    }
    if (!tran.m_strFile.empty() || tran.m_nKeyPos != -1 || !tran.m_NamePos.empty() || !tran.m_TranCols.empty())
        text += "翻訳指定をする場合は、TRAN=TRUEを指定して下さい。\n";
}

}  // namespace

std::string ColDefMessages(CColCtrl& col) {
    std::string text;
    if (col.m_strTitle.empty()) text += "項目タイトルを指定して下さい。\n";
    if (col.m_bFileCol) {
        if (const char* complaint = FormatComplaint(col)) text += complaint;
    } else {
        col.m_nType = kTypeText;
        col.m_nFormat1 = kAllBits;
        col.m_nFormat2 = kAllBits;
    }
    if (col.m_nType != kTypeNumber) {
        if (!col.m_strMinNum.empty()) text += "最小値は、数字タイプの時のみ有効です。\n";
        if (!col.m_strMaxNum.empty()) text += "最大値は、数字タイプの時のみ有効です。\n";
    }
    if (col.isDateOrTime()) {
        col.m_nLength = -1;
        if (col.m_nFormat2 == kAllBits) col.m_nFormat2 = col.m_nFormat1;
    } else {
        col.m_nFormat2 = col.m_nFormat1;
    }
    if (!col.m_Permission.empty() && (!col.m_strMinNum.empty() || !col.m_strMaxNum.empty()))
        text += "許可文字と最小値／最大値は、同時に指定出来ません。\n";
    // Rounding steps the minutes by the base: a base of 0 cannot be applied.
    if ((col.m_nRound == 1 || col.m_nRound == 2) && col.m_nBaseMin == 0)
        text += "時刻丸めの場合は、丸め基準分(BASEMIN)を指定して下さい。\n";
    CheckTranslation(col.m_Tran, text);
    if (text.empty()) return text;
    return "制御ファイルの列=" + std::to_string(col.m_nCol) + " の指定にエラーが有ります。\n" + text;
}

bool CheckColDef(CColCtrl& col, IUserInterface& ui) {
    const std::string text = ColDefMessages(col);
    if (text.empty()) return true;
    ui.messageBox(text, MsgIcon::Stop);
    return false;
}

}  // namespace tabrix
