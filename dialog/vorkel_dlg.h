// The install dialog: target drive, software name and the package lists.
#pragma once

#include "dialog/package_map.h"
#include "framework/framework.h"
#include "res/resource.h"

class CvorkelDlg : public CDialog {
 public:
  CvorkelDlg();
  ~CvorkelDlg() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void OnPaint();
  HCURSOR OnQueryDragIcon();
  void OnDblclkAvailablePackages();
  void OnDblclkSelectedPackages();
  void OnAddPackage();
  void OnRemovePackage();
  void RefreshSelectedList();
  void OnCopyFiles();

  DECLARE_MESSAGE_MAP()

 private:
  HICON m_hIcon;
  int m_nTargetDrive;
  CString m_strSoftwareName;
  PackageMap m_mapSelectedPackages;
  PackageMap m_mapAvailablePackages;
};
