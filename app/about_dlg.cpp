// SPDX-License-Identifier: MIT
#include "app/about_dlg.h"

#include "framework/resources.h"

namespace {
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDC_MAIL = 1113;
constexpr int IDC_LINK_CURSOR = 135;
}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_MAIL, m_lblMail);
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_lblMail.SetMailtoLink(true, false);
    m_lblMail.SetLabelColor(QColor(0, 0, 255));
    // The pointer over the address becomes the pointing hand.
    m_lblMail.SetHoverCursor(LoadCursorResource(IDC_LINK_CURSOR));
    return true;
}
