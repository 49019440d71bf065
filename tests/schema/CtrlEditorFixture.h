// A document opened under a control file of four columns, for the tests of
// the control file editor: 1 CODE is the key, 2 CUST is translated through
// t.csv into the virtual 4 NAME, 3 QTY is a number.
#pragma once

#include <string>

#include "schema/CtrlColDlg.h"
#include "schema/CtrlFileText.h"
#include "schema/MakeCtrlDlg.h"
#include "view/ViewFixture.h"

namespace tabrix::test {

inline const std::string kEditorCtrl =
    "[FILE]\r\nFILE=d.csv\r\nKEYCOL=1\r\n"
    "[COL]\r\nTITLE=CODE\r\nFORMAT1=英字,数字\r\n"
    "[COL]\r\nTITLE=CUST\r\nTRAN=TRUE\r\nTRAN_FILE=t.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=4\r\n"
    "TRAN_AUTORUN=TRUE\r\n"
    "[COL]\r\nTITLE=QTY\r\nTYPE=数字\r\nFORMAT1=NUM1\r\n"
    "[COL]\r\nTITLE=NAME\r\nFILECOL=FALSE\r\n";
inline const std::string kEditorData = "K1,C1,5\r\nK2,C9,6\r\n";

struct EditorFixture : ViewFixture {
    explicit EditorFixture(bool open = true) {
        dir.write("t.csv", "C1,Alpha\r\nC2,Beta\r\n");
        if (open) {
            EXPECT_TRUE(openCtrl(kEditorCtrl, "d.csv", kEditorData)) << ui.lastMessage();
        }
    }
    CCtrlFile& ctrl() { return doc.m_CtrlFile; }
    // The schema as a control file writes it, without the date stamp.
    std::string schemaText() { return CtrlFileText(ctrl(), {}, LocalDateTime{}); }
    // "制御ファイル設定" opened over the document, its messages cleared.
    CMakeCtrlDlg& openEditor() {
        editor = std::make_unique<CMakeCtrlDlg>(doc, app);
        editor->open(ui);
        return *editor;
    }
    // "項目設定" over the open editor's session, on column 1.
    CCtrlColDlg& openColumns() {
        columns = std::make_unique<CCtrlColDlg>(editor->session(), app, dir.path().string());
        return *columns;
    }
    std::unique_ptr<CMakeCtrlDlg> editor;
    std::unique_ptr<CCtrlColDlg> columns;
};

}  // namespace tabrix::test
