// The column attribute record: everything the control file says about one
// column of the data, numbered 1..n in display order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "schema/TranCtrl.h"

namespace tabrix {

class CCtrlFile;

enum ColType : int { kTypeText = 1, kTypeNumber = 2, kTypeDate = 4, kTypeTime = 8 };

class CColCtrl {
public:
    std::string m_strError;                   // message of the last failed validation
    int m_nCol = 0;                           // 1-based position in the schema
    std::string m_strTitle;                   // TITLE=
    bool m_bFileCol = true;                   // FILECOL=: false for a virtual, display-only column
    bool m_bEdit = true;                      // EDIT=
    int m_nType = kTypeText;                  // TYPE=
    std::uint32_t m_nFormat1 = 0x201F;        // FORMAT1=
    std::uint32_t m_nFormat2 = 0xFFFFFFFF;    // FORMAT2=
    bool m_bEtcChar = false;                  // the extra characters are not empty
    std::string m_strEtcChar;                 // ETCCHAR=
    int m_nLength = -1;                       // LENGTH=, bytes; -1 no limit
    int m_nAllLen = -1;                       // ALLLEN=, digits; -1 no limit
    int m_nPoint = 0;                         // POINT=
    bool m_bObligate = false;                 // OBLIGATE=
    bool m_bNoDisp = false;                   // NODISP=
    bool m_bHanSpConv = false;                // HANSPCONV=
    int m_nRound = 0;                         // ROUND=: 0 none, 1 up, 2 down
    int m_nBaseMin = 0;                       // BASEMIN=
    std::string m_strInitial;                 // INITIAL=
    std::vector<std::string> m_Permission;    // PERMISSION=
    std::string m_strMinNum;                  // MINNUM=
    std::string m_strMaxNum;                  // MAXNUM=
    std::string m_strReplace1;                // REPLACE1=
    std::string m_strReplace2;                // REPLACE2=
    CTranCtrl m_Tran;                         // the TRAN keys
    CCtrlFile* m_pOwner = nullptr;

    bool isVirtual() const { return !m_bFileCol; }
    bool isDateOrTime() const { return m_nType == kTypeDate || m_nType == kTypeTime; }
};

}  // namespace tabrix
