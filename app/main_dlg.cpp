// SPDX-License-Identifier: MIT
#include "app/main_dlg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QWindow>
#include <cstdlib>

#include "app/about_dlg.h"
#include "controls/icon_menu.h"
#include "framework/dialog_keys.h"
#include "framework/platform_services.h"
#include "framework/resources.h"
#include "pages/page_registry.h"
#include "res/author_info.h"
#include "res/menus.h"

namespace {
constexpr int IDD_MAIN = 102;
constexpr int IDC_SEWAGE = 1000;
constexpr int IDC_AIR_TOOLS = 1001;
constexpr int IDC_NOISE_TOOLS = 1003;
constexpr int IDC_FRAME = 1004;
constexpr int IDC_UNITS = 1005;
constexpr int IDC_ABOUT = 1006;
constexpr int IDC_SIDE_TOOLS = 1007;
constexpr int IDC_CLOCK = 1061;
constexpr int IDC_CONTACT = 1062;
constexpr int IDC_TOPMOST = 1065;

constexpr int ID_CLIPBOARD_VIEWER = 32791;
constexpr int ID_FILE_SPLITTER = 32792;
constexpr int ID_HELP = 57670;
constexpr int IDM_ABOUTBOX = 16;     // system-menu command of the About entry
constexpr int ID_EDIT_COPY = 57634;  // context-menu command: copy the calculation record
constexpr const char* kCopyRecordText = "复制计算过程";
constexpr int ID_FILE_OPEN = 57601;     // context menu: fill the inputs from a project file
constexpr int ID_FILE_SAVE_AS = 57604;  // context menu: save the inputs to a project file
constexpr int ID_FILE_EXPORT = 57607;   // context menu: export the calculation book

constexpr int IDS_ABOUTBOX = 101;
constexpr int IDI_MAIN = 128;
constexpr int IDI_TOPMOST_ON = 143;
constexpr int IDI_TOPMOST_OFF = 144;
constexpr int IDC_LINK_CURSOR = 135;

const QColor kMainColor(0, 166, 228);
const QColor kButtonFace(152, 242, 196);
const QColor kButtonFocusFace(214, 244, 229);
const QColor kButtonHoverFace(164, 196, 248);
const QColor kTopMostText(178, 0, 176);

constexpr int kShrinkStep = 30;  // px per tick of the closing animation

QString ClockText(const QDateTime& time) {
    return QStringLiteral("现在时间：") + time.toString(QStringLiteral("HH:mm:ss"));
}

// (-r) mod 256 of the C library's generator, which is never initialised, so
// every run shows the same sequence of colours.
int NextColorComponent() {
    return (256 - std::rand() % 256) % 256;
}
}  // namespace

CMainDlg::CMainDlg() : CDialog(IDD_MAIN) {
    m_clockTimer.setInterval(1000);
    QObject::connect(&m_clockTimer, &QTimer::timeout, [this] { OnClockTick(); });
    m_closeTimer.setInterval(1);
    QObject::connect(&m_closeTimer, &QTimer::timeout, [this] { OnShrinkTick(); });
}

CMainDlg::~CMainDlg() {
    m_clockTimer.stop();
    m_closeTimer.stop();
    // The pages are destroyed after this: their hiding then hands no focus.
    for (const auto& page : m_pages)
        if (page)
            page->removeEventFilter(this);
}

void CMainDlg::BuildMessageMap() {
    // Each page's button or menu entry shows it.
    for (const PageRow& row : PageRegistry())
        On(row.command, Notify::Clicked, [this, index = row.index] { ShowPage(index); });
    On(IDC_NOISE_TOOLS, Notify::Clicked, &CMainDlg::OnNoiseTools);
    On(IDC_TOPMOST, Notify::Clicked, &CMainDlg::OnTopMost);
    On(IDC_ABOUT, Notify::Clicked, &CMainDlg::OnAbout);
    On(ID_CLIPBOARD_VIEWER, Notify::Clicked, &CMainDlg::OnClipboardViewer);
    On(ID_FILE_SPLITTER, Notify::Clicked, &CMainDlg::OnFileSplitter);
    On(ID_HELP, Notify::Clicked, &CMainDlg::OnHelp);  // vek ships no help file
}

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_SEWAGE, m_btnSewage);
    DDX_Control(pDX, IDC_AIR_TOOLS, m_btnAirTools);
    DDX_Control(pDX, IDC_NOISE_TOOLS, m_btnNoiseTools);
    DDX_Control(pDX, IDC_UNITS, m_btnUnits);
    DDX_Control(pDX, IDC_SIDE_TOOLS, m_btnSideTools);
    DDX_Control(pDX, IDC_ABOUT, m_btnAbout);
    DDX_Control(pDX, IDC_TOPMOST, m_chkTopMost);
    DDX_Control(pDX, IDC_CLOCK, m_lblClock);
    DDX_Control(pDX, IDC_CONTACT, m_lblContact);
    DDX_Control(pDX, IDC_FRAME, m_frame);
}

bool CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();  // binds the ten controls
    m_nShrinkX = kShrinkStep;
    m_nShrinkY = kShrinkStep;
    // The About entry: on desktops without a system menu it lives in the
    // window's context menu (see contextMenuEvent).
    const QIcon icon = LoadIconResource(IDI_MAIN);
    setWindowIcon(icon);

    // The pages, each created hidden, in the registry's order.
    for (const PageRow& row : PageRegistry()) {
        if (!row.create)
            continue;
        std::unique_ptr<CCalcPage> page = row.create();
        page->Create(this);
        page->hide();
        // A screen reader names the page as its button or menu entry does.
        page->setAccessibleName(NavigationOf(row.command).second);
        page->installEventFilter(this);
        m_pages[row.index - 1] = std::move(page);
    }
    ShowPage(1);

    ShowClock();
    m_lblClock.SetSeeThrough(true);
    m_clockTimer.start();

    m_lblContact.SetMailtoLink(true, false);
    m_lblContact.SetLabelColor(QColor(255, 0, 0));
    m_lblContact.SetFillColor(kMainColor);
    m_lblContact.SetEmbossed(true, 0);  // copy one pixel up and left
    m_lblContact.SetEmbossColor(QColor(0, 255, 0));
    m_lblContact.SetHoverCursor(LoadCursorResource(IDC_LINK_CURSOR));
    m_lblContact.setToolTip(QStringLiteral("联系我 Email:") + QString::fromUtf8(kAuthorEmail) +
                            QStringLiteral("  QQ:") + QString::fromUtf8(kAuthorQq));

    m_lblClock.BlinkText(true);
    m_lblClock.SetLabelColor(QColor(249, 6, 240));

    m_chkTopMost.SetChecked(false);
    ConfigureButtons();
    return true;  // the focus goes to the first control, button 1000
}

void CMainDlg::ConfigureButtons() {
    auto colour = [](CColorButton& button) {
        button.SetStateColor(CColorButton::BkOut, kButtonFace);
        button.SetStateColor(CColorButton::BkFocus, kButtonFocusFace);
        button.SetStateColor(CColorButton::BkIn, kButtonHoverFace);
        button.SetFlatFocusRect(true);
    };
    for (CColorButton* button : {&m_btnSewage, &m_btnAirTools, &m_btnNoiseTools, &m_btnSideTools})
        colour(*button);
    for (const NavigationMenu& navigation : NavigationMenus())
        for (CColorButton* button : {&m_btnAirTools, &m_btnNoiseTools, &m_btnSideTools})
            if (ControlId(button) == navigation.button)
                button->AttachMenu(navigation.menu, this);
    colour(m_btnAbout);
    colour(m_btnUnits);

    m_chkTopMost.SetIcons(IDI_TOPMOST_ON, IDI_TOPMOST_OFF);
    for (int face : {CColorButton::BkOut, CColorButton::BkFocus, CColorButton::BkIn})
        m_chkTopMost.SetStateColor(face, kMainColor);
    for (int text : {CColorButton::FgOut, CColorButton::FgFocus, CColorButton::FgIn})
        m_chkTopMost.SetStateColor(text, kTopMostText);
}

CDialog* CMainDlg::Page(int index) const {
    return index >= 1 && index <= kPageCount ? m_pages[index - 1].get() : nullptr;
}

CCalcPage* CMainDlg::VisiblePage() const {
    for (const auto& page : m_pages)
        if (page && !page->isHidden())
            return page.get();
    return nullptr;
}

void CMainDlg::ShowPage(int index) {
    for (const auto& page : m_pages)
        if (page)
            page->hide();
    CDialog* page = Page(index);
    if (!page)
        page = Page(1);
    page->show();
}

std::pair<int, QString> CMainDlg::NavigationOf(int command) const {
    if (const ControlTemplate* button = TemplateOf(command))
        return {command, QString::fromUtf8(button->text)};
    for (const NavigationMenu& navigation : NavigationMenus())
        if (const MenuResource* menu = FindMenuResource(navigation.menu))
            for (const MenuItemResource& item : menu->items)
                if (item.commandId == command)
                    return {navigation.button, QString::fromUtf8(item.text)};
    return {IDC_SEWAGE, QString()};
}

QWidget* CMainDlg::NavigationButton(int index) const {
    for (const PageRow& row : PageRegistry())
        if (row.index == index)
            return GetDlgItem(NavigationOf(row.command).first);
    return GetDlgItem(IDC_SEWAGE);
}

// A page that hides (Enter in a field, Esc) must not keep the focus in a
// control the user can no longer see: keys typed next would change it
// unseen. The focus goes to the button that leads back to the page; the
// hidden page's handlers hear nothing of it.
void CMainDlg::HandFocusToNavigation(const CDialog* page) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !page->isAncestorOf(focus))
        return;
    for (int index = 1; index <= kPageCount; ++index) {
        if (Page(index) != page)
            continue;
        CDialog::QuietScope quiet(*Page(index));
        if (QWidget* button = NavigationButton(index))
            button->setFocus(Qt::OtherFocusReason);
    }
}

bool CMainDlg::eventFilter(QObject* watched, QEvent* event) {
    for (const auto& page : m_pages) {
        if (page.get() != watched)
            continue;
        if (event->type() == QEvent::Hide)
            HandFocusToNavigation(page.get());
        return false;  // a page is no control of the main window
    }
    return CDialog::eventFilter(watched, event);
}

// F6 moves between the navigation column and the visible page: into the
// page's first tab stop, or back to the button that leads to the page.
void CMainDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F6 || event->modifiers() != Qt::NoModifier) {
        CDialog::keyPressEvent(event);
        return;
    }
    event->accept();
    CDialog* page = VisiblePage();
    if (!page)
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus && page->isAncestorOf(focus)) {
        for (int index = 1; index <= kPageCount; ++index)
            if (Page(index) == page)
                if (QWidget* button = NavigationButton(index))
                    button->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    if (QWidget* first = NextTabStop(page->TabCycle(), nullptr, true))
        first->setFocus(Qt::TabFocusReason);
}

void CMainDlg::PlacePages() {
    if (!m_frame.widget())
        return;
    const QRect frame = m_frame.widget()->geometry();
    for (const auto& page : m_pages) {
        if (!page)
            continue;
        page->setGeometry(frame);
        page->update();
    }
}

void CMainDlg::moveEvent(QMoveEvent* event) {
    CDialog::moveEvent(event);
    if (isVisible())
        PlacePages();
}

void CMainDlg::showEvent(QShowEvent* event) {
    CDialog::showEvent(event);
    PlacePages();
}

void CMainDlg::ShowClock() {
    m_lblClock.SetLabelText(ClockText(Services().LocalTime()));
}

void CMainDlg::OnClockTick() {
    ShowClock();
    const int blue = NextColorComponent();
    const int green = NextColorComponent();
    const int red = NextColorComponent();
    m_lblClock.SetLabelColor(QColor(red, green, blue));
}

void CMainDlg::OnTopMost() {
    // The button has flipped its state already. The flag changes on the
    // window itself, so the window neither moves, resizes nor hides.
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, m_chkTopMost.IsChecked());
    overrideWindowFlags(flags);
    if (QWindow* handle = windowHandle())
        handle->setFlags(flags);
}

void CMainDlg::OnAbout() {
    CAboutDlg about;
    about.DoModal(this);
}

void CMainDlg::OnSysCommand(int command) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX)
        OnAbout();
}

void CMainDlg::OnClipboardViewer() {
    Services().StartProgram(QStringLiteral("pasteview.exe"));
}

void CMainDlg::OnFileSplitter() {
    Services().StartProgram(QStringLiteral("Parter.exe"));
}

// The context menu: the About entry (where the desktop has no system menu)
// and the copy of a calculation record, which is disabled until there is one.
// A right click on the window's background or on a page's (which passes it
// on) copies the visible page's record.
void CMainDlg::contextMenuEvent(QContextMenuEvent* event) {
    ShowWindowMenu(event->globalPos(), VisiblePage());
}

void CMainDlg::OpenWindowMenu(const QPoint& globalPos, const CRecordWindow& window) {
    ShowWindowMenu(globalPos, &window);
}

void CMainDlg::ShowWindowMenu(const QPoint& globalPos, const CRecordWindow* source) {
    std::vector<std::pair<int, QString>> entries;
    if (const QString text = LoadStringResource(IDS_ABOUTBOX); !text.isEmpty())
        entries.emplace_back(IDM_ABOUTBOX, text);
    entries.emplace_back(ID_EDIT_COPY, QString::fromUtf8(kCopyRecordText));
    entries.emplace_back(ID_FILE_OPEN, QStringLiteral("打开输入…"));
    entries.emplace_back(ID_FILE_SAVE_AS, QStringLiteral("保存输入…"));
    entries.emplace_back(ID_FILE_EXPORT, QStringLiteral("导出计算书…"));
    IconMenu menu;
    menu.LoadEntries(QString(), entries);
    for (QAction* action : menu.Popup()->actions())
        if (action->data().toInt() == ID_EDIT_COPY)
            action->setEnabled(source && source->LastRecord());
    const int command = menu.TrackPopup(globalPos);
    if (command == ID_EDIT_COPY && source)
        OnCopyRecord(*source);
    else if (command == ID_FILE_OPEN)
        m_project.OpenInputs();
    else if (command == ID_FILE_SAVE_AS)
        m_project.SaveInputs();
    else if (command == ID_FILE_EXPORT)
        m_project.ExportBook();
    else if (command && command != ID_EDIT_COPY)
        OnSysCommand(command);
}

// The record goes to the clipboard twice: as an HTML table for a word
// processor and as plain text for everything else.
void CMainDlg::OnCopyRecord(const CRecordWindow& source) {
    const std::optional<CalcRecord>& record = source.LastRecord();
    if (!record)
        return;
    auto* data = new QMimeData;
    data->setHtml(QString::fromStdString(RecordHtml(*record)));
    data->setText(QString::fromStdString(RecordPlainText(*record)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void CMainDlg::OnClose() {
    // A close request starts the animation, or restarts its timer.
    if (!m_closeTimer.isActive() && m_shrinkRect.isNull()) {
        m_shrinkRect = geometry();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    m_closeTimer.start();
}

void CMainDlg::OnShrinkTick() {
    // Shrinks the rectangle set last (the window system may keep a minimum
    // size of its own), centred on the desktop, 30 px a tick each way.
    const QRect desktop = Services().DesktopRect();
    const int width = m_shrinkRect.width();
    const int height = m_shrinkRect.height();
    const int newWidth = width - m_nShrinkX;
    const int newHeight = height - m_nShrinkY;
    const int x = (desktop.width() - newWidth) / 2;
    const int y = (desktop.height() - newHeight) / 2;
    m_shrinkRect = QRect(x, y, std::max(newWidth, 0), std::max(newHeight, 0));
    setGeometry(m_shrinkRect);
    if (width <= 0)
        m_nShrinkX = 0;
    if (height <= 0)
        m_nShrinkY = 0;
    if (width <= 0 && height <= 0) {
        m_closeTimer.stop();
        EndDialog(IDOK);
    }
}

CtlColor CMainDlg::OnCtlColor(QWidget* control, CtlColorKind kind) {
    CtlColor answer = CDialog::OnCtlColor(control, kind);
    if (kind == CtlColorKind::Dialog)
        return CtlColor::Solid(kMainColor);
    if (kind == CtlColorKind::Static || kind == CtlColorKind::Button) {
        answer = CtlColor::Hollow();
        answer.transparent = true;
    }
    return answer;
}
