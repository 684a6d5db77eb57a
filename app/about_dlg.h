// SPDX-License-Identifier: MIT
#pragma once
// The About box: program name and version, the author, and a mail link.

#include "controls/link_label.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    CLinkLabel m_lblMail;  // 1113, the author's address as a mail link

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
