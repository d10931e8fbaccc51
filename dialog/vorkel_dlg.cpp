#include "dialog/vorkel_dlg.h"

namespace {
constexpr char kDefaultSoftwareName[] = "Olvane综合管理系统";
}  // namespace

CvorkelDlg::CvorkelDlg()
    : CDialog(IDD_VORKEL_DIALOG, nullptr),
      m_hIcon(nullptr),
      m_nTargetDrive(1),
      m_strSoftwareName(kDefaultSoftwareName) {
  m_hIcon = LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME));
}

CvorkelDlg::~CvorkelDlg() = default;

void CvorkelDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_CBIndex(pDX, IDC_TARGET_DRIVE, m_nTargetDrive);
  DDX_Text(pDX, IDC_SOFTWARE_NAME, m_strSoftwareName);
}

BEGIN_MESSAGE_MAP(CvorkelDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_LBN_DBLCLK(IDC_AVAILABLE_PACKAGES, &CvorkelDlg::OnDblclkAvailablePackages)
  ON_LBN_DBLCLK(IDC_SELECTED_PACKAGES, &CvorkelDlg::OnDblclkSelectedPackages)
  ON_BN_CLICKED(IDC_ADD_PACKAGE, &CvorkelDlg::OnAddPackage)
  ON_BN_CLICKED(IDC_REMOVE_PACKAGE, &CvorkelDlg::OnRemovePackage)
  ON_BN_CLICKED(IDOK, &CvorkelDlg::OnCopyFiles)
END_MESSAGE_MAP()

// Minimised, the dialog is drawn as its icon, centred in the client area.
void CvorkelDlg::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  RECT rect;
  GetClientRect(&rect);
  const int x = (rect.right - rect.left - cxIcon + 1) / 2;
  const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
  DrawIcon(dc.GetSafeHdc(), x, y, m_hIcon);
}

HCURSOR CvorkelDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
