// Packages of the install medium: display name -> folder path relative to
// the start folder. Keys order by their bytes as unsigned values, a prefix
// before the longer key, with no code page, locale or case rule.
#pragma once

#include <map>
#include <string>

using PackageMap = std::map<std::string, std::string>;

class CWnd;

// The name a package folder is listed under: every "plugin_" removed, then
// every "qzt_", each in one left-to-right pass over the characters of the
// ANSI code page.
std::string PackageDisplayName(const std::string& folderName);

// Adds every sub-folder of the package root to `packages`. Folders that give
// the same display name make one entry: the one found last wins.
void ScanPackages(PackageMap& packages);

// Shows `packages` in a list box in key order: each line at its own position
// (so the list's sort style leaves them alone), with the address of the
// entry's folder path as its item data. A null list shows nothing.
void ShowPackages(CWnd* list, const PackageMap& packages);
