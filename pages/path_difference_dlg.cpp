// SPDX-License-Identifier: MIT
#include "pages/path_difference_dlg.h"

#include "calc/noise_forms.h"

namespace {
constexpr int IDC_RESULT = 1050;
const QColor kToolColor(84, 188, 214);
}  // namespace

CPathDifferenceDlg::CPathDifferenceDlg() : CCalcPage(IDD) {}

FieldTable CPathDifferenceDlg::Fields() const {
    return PathDifferenceFieldTable();
}

void CPathDifferenceDlg::BuildMessageMap() {
    On(IDC_RESULT, Notify::Clicked, &CPathDifferenceDlg::OnResult);
}

std::vector<CCalcPage::Binding> CPathDifferenceDlg::Bindings() {
    using How = Binding::How;
    // The exchange order.
    return {
        {1086, &m_fSourceDist},   {1087, &m_fReceiverDist},   {1083, &m_fBarrierHeight},
        {1084, &m_fSourceHeight}, {1085, &m_fReceiverHeight}, {1088, &m_fBarrierLength},
        {1089, &m_fSourceOffset}, {1090, &m_fReceiverOffset}, {1093, &m_nSide, How::Radio},
        {1091, &m_fDelta1},       {1092, &m_fDelta2},         {1095, &m_fDelta3},
    };
}

bool CPathDifferenceDlg::OnInitDialog() {
    // Built anew at each opening: the inputs start over, and so do the three
    // differences, which would otherwise belong to other inputs. The side
    // choice stays as the user left it.
    CCalcPage::OnInitDialog();
    const int side = m_nSide;
    SetStartValues();
    m_nSide = side;
    UpdateData(false);
    return true;
}

void CPathDifferenceDlg::OnResult() {
    if (!UpdateData(true))
        return;
    PathDifferenceInput in;
    in.barrierHeight = m_fBarrierHeight;
    in.sourceHeight = m_fSourceHeight;
    in.receiverHeight = m_fReceiverHeight;
    in.sourceDist = m_fSourceDist;
    in.receiverDist = m_fReceiverDist;
    in.barrierLength = m_fBarrierLength;
    in.sourceOffset = m_fSourceOffset;
    in.receiverOffset = m_fReceiverOffset;
    in.sameSide = m_nSide == 1;
    const Answer<PathDifferences> answer = PathDifferenceCalculator().run(in);
    Record(PathDifferenceCalculator(), in, answer);
    // Sound that arrives directly: the box, then the three differences show
    // 0; the path lengths keep those of the last geometry computed.
    if (answer.box)
        ShowBox(*answer.box);
    if (answer.result) {
        m_fDelta1 = answer.result->delta1;
        m_fDelta2 = answer.result->delta2;
        m_fDelta3 = answer.result->delta3;
        if (const std::optional<PathLengths>& paths = answer.result->paths) {
            m_fPathDirect = paths->direct;
            m_fPathSourceTop = paths->sourceTop;
            m_fPathSourceFar = paths->sourceFar;
            m_fPathSourceNear = paths->sourceNear;
            m_fPathTopReceiver = paths->topReceiver;
            m_fPathFarReceiver = paths->farReceiver;
            m_fPathNearReceiver = paths->nearReceiver;
        }
    }
    UpdateData(false);
}

CtlColor CPathDifferenceDlg::OnCtlColor(QWidget* control, CtlColorKind kind) {
    CtlColor answer = CDialog::OnCtlColor(control, kind);
    if (kind == CtlColorKind::Dialog)
        return CtlColor::Solid(kToolColor);
    if (kind == CtlColorKind::Static) {
        // The window colour as text background, over a hollow brush.
        answer = CtlColor::Hollow();
        answer.textBackground = kToolColor;
    }
    return answer;
}
