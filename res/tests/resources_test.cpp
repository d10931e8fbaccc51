// Reads the resources back from the built vorkel.exe: the parts of the
// dialog template and of its initialisation data that behaviour rests on.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "testkit/medium.h"
#include "testkit/windows_text.h"

namespace {

constexpr WORD kChineseSimplified = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

class Resources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExA(testkit::ProductExe().c_str(), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << testkit::ProductExe();
  }
  void TearDown() override { FreeLibrary(module_); }

  std::vector<BYTE> Load(const char* type, int id) {
    HRSRC info = FindResourceExA(module_, type, MAKEINTRESOURCEA(id),
                                 kChineseSimplified);
    if (info == nullptr) return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, info)));
    return std::vector<BYTE>(data, data + SizeofResource(module_, info));
  }

  HMODULE module_ = nullptr;
};

// Walks an extended dialog template.
class TemplateReader {
 public:
  explicit TemplateReader(const std::vector<BYTE>& data) : data_(data) {}
  WORD Word() { Align(2); WORD w; std::memcpy(&w, &data_[at_], 2); at_ += 2; return w; }
  DWORD Dword() { Align(2); DWORD d; std::memcpy(&d, &data_[at_], 4); at_ += 4; return d; }
  // A string, or an ordinal written as 0xFFFF and a word ("#n").
  std::string SzOrOrdinal() {
    Align(2);
    if (PeekWord() == 0xFFFF) { at_ += 2; return "#" + std::to_string(Word()); }
    std::wstring text;
    for (WORD w; (w = Word()) != 0;) text += static_cast<wchar_t>(w);
    return testkit::ToGbk(text);
  }
  void Align(size_t n) { at_ = (at_ + n - 1) / n * n; }
  size_t Position() const { return at_; }

 private:
  WORD PeekWord() const { WORD w; std::memcpy(&w, &data_[at_], 2); return w; }
  const std::vector<BYTE>& data_;
  size_t at_ = 0;
};

// Resource compilers write the system's control classes as ordinals or as
// names; both name the same class.
std::string ClassName(const std::string& nameOrOrdinal) {
  static const char* const kByOrdinal[] = {"BUTTON", "EDIT", "STATIC",
                                           "LISTBOX", "SCROLLBAR", "COMBOBOX"};
  if (nameOrOrdinal.size() > 1 && nameOrOrdinal[0] == '#') {
    const int ordinal = std::stoi(nameOrOrdinal.substr(1));
    if (ordinal >= 0x80 && ordinal <= 0x85) return kByOrdinal[ordinal - 0x80];
  }
  std::string upper = nameOrOrdinal;
  for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return upper;
}

struct Control {
  DWORD style;
  short x, y, cx, cy;
  DWORD id;
  std::string windowClass;
  std::string text;
};

TEST_F(Resources, DialogTemplateHasTheInstallDialogsControls) {
  const std::vector<BYTE> data = Load(MAKEINTRESOURCEA(5) /*RT_DIALOG*/, 102);
  ASSERT_FALSE(data.empty());
  TemplateReader r(data);
  EXPECT_EQ(r.Word(), 1);       // version
  EXPECT_EQ(r.Word(), 0xFFFF);  // extended template
  EXPECT_EQ(r.Dword(), 0u);     // help ID
  EXPECT_EQ(r.Dword(), 0x00040000u);
  EXPECT_EQ(r.Dword(), 0x90C800C8u);
  const WORD count = r.Word();
  ASSERT_EQ(count, 14);
  const short x = r.Word(), y = r.Word(), cx = r.Word(), cy = r.Word();
  EXPECT_EQ(std::vector<short>({x, y, cx, cy}), std::vector<short>({0, 0, 310, 241}));
  EXPECT_EQ(r.SzOrOrdinal(), "");  // menu
  EXPECT_EQ(r.SzOrOrdinal(), "");  // class
  EXPECT_EQ(r.SzOrOrdinal(), "安装工具");
  EXPECT_EQ(r.Word(), 9);  // points
  EXPECT_EQ(r.Word(), 0);  // weight
  const WORD italicAndCharset = r.Word();
  EXPECT_EQ(italicAndCharset, 0x0100);  // not italic, DEFAULT_CHARSET
  EXPECT_EQ(r.SzOrOrdinal(), "MS Shell Dlg");

  const Control expected[] = {
      {0x50210103, 83, 18, 38, 30, 1000, "COMBOBOX", ""},
      {0x50810080, 212, 17, 78, 14, 1005, "EDIT", ""},
      {0x50A10103, 26, 75, 110, 127, 1001, "LISTBOX", ""},
      {0x50010000, 143, 93, 25, 28, 1003, "BUTTON", ">>"},
      {0x50A10103, 175, 75, 114, 127, 1002, "LISTBOX", ""},
      {0x50010000, 143, 130, 25, 28, 1004, "BUTTON", "<<"},
      {0x50010001, 26, 220, 69, 14, 1, "BUTTON", "复制文件到目标"},
      {0x50010000, 101, 220, 50, 14, 2, "BUTTON", "取消"},
      {0x50020000, 27, 21, 49, 8, 0xFFFFFFFF, "STATIC", "安装目标磁盘："},
      {0x50000007, 7, 7, 296, 32, 0xFFFFFFFF, "BUTTON", "信息（指定软件安装的位置）"},
      {0x50020000, 26, 60, 56, 8, 0xFFFFFFFF, "STATIC", "可用硬件支持包："},
      {0x50020000, 175, 60, 76, 8, 0xFFFFFFFF, "STATIC", "需要使用的硬件支持包："},
      {0x50020000, 143, 20, 63, 8, 0xFFFFFFFF, "STATIC", "软件快捷方式名称："},
      {0x50000007, 6, 45, 296, 168, 0xFFFFFFFF, "BUTTON",
       "硬件支持包及插件（从左侧列表移到右侧列表来启用硬件支持包/插件）"},
  };
  for (const Control& want : expected) {
    r.Align(4);
    EXPECT_EQ(r.Dword(), 0u);  // help ID
    EXPECT_EQ(r.Dword(), 0u);  // extended style
    const DWORD style = r.Dword();
    Control got{style, 0, 0, 0, 0, 0, "", ""};
    got.x = r.Word(); got.y = r.Word(); got.cx = r.Word(); got.cy = r.Word();
    got.id = r.Dword();
    got.windowClass = ClassName(r.SzOrOrdinal());
    got.text = r.SzOrOrdinal();
    EXPECT_EQ(r.Word(), 0) << "creation data of " << want.id;
    SCOPED_TRACE("control " + std::to_string(static_cast<int>(want.id)));
    EXPECT_EQ(got.style, want.style);
    EXPECT_EQ(std::vector<short>({got.x, got.y, got.cx, got.cy}),
              std::vector<short>({want.x, want.y, want.cx, want.cy}));
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.windowClass, want.windowClass);
    EXPECT_EQ(got.text, want.text);
  }
}

TEST_F(Resources, InitialisationDataListsDrivesCToN) {
  const std::vector<BYTE> data = Load(MAKEINTRESOURCEA(240), 102);
  ASSERT_EQ(data.size(), 134u);
  for (int i = 0; i < 12; ++i) {
    const BYTE* record = &data[i * 11];
    const BYTE expected[11] = {0xE8, 0x03, 0x03, 0x04, 3, 0, 0, 0,
                               static_cast<BYTE>('C' + i), ':', 0};
    EXPECT_EQ(std::memcmp(record, expected, 11), 0) << "drive record " << i;
  }
  EXPECT_EQ(data[132], 0);
  EXPECT_EQ(data[133], 0);
}

TEST_F(Resources, IconGroupHoldsThirteenImages) {
  const std::vector<BYTE> group = Load(MAKEINTRESOURCEA(14) /*RT_GROUP_ICON*/, 128);
  ASSERT_GE(group.size(), 6u);
  WORD count;
  std::memcpy(&count, &group[4], 2);
  ASSERT_EQ(count, 13);
  const int sizes[13] = {48, 32, 24, 16, 48, 32, 24, 16, 256, 48, 32, 24, 16};
  const int depths[13] = {4, 4, 4, 4, 8, 8, 8, 8, 32, 32, 32, 32, 32};
  for (int i = 0; i < 13; ++i) {
    const BYTE* entry = &group[6 + i * 14];  // GRPICONDIRENTRY
    WORD bits, id;
    std::memcpy(&bits, entry + 6, 2);
    std::memcpy(&id, entry + 12, 2);
    EXPECT_EQ(entry[0] == 0 ? 256 : entry[0], sizes[i]) << "image " << i;
    EXPECT_EQ(bits, depths[i]) << "image " << i;
    const std::vector<BYTE> image = Load(MAKEINTRESOURCEA(3) /*RT_ICON*/, id);
    ASSERT_GE(image.size(), 8u);
    const bool png = std::memcmp(image.data(), "\x89PNG", 4) == 0;
    EXPECT_EQ(png, sizes[i] == 256) << "image " << i;
  }
}

TEST_F(Resources, ManifestAsksForCommonControlsSixAndAsInvoker) {
  const std::vector<BYTE> data = Load(MAKEINTRESOURCEA(24) /*RT_MANIFEST*/, 1);
  const std::string manifest(data.begin(), data.end());
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("processorArchitecture=\"x86\""), std::string::npos);
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
}

// The product file's bytes.
std::vector<BYTE> ReadProductFile() {
  std::ifstream file(testkit::ProductExe(), std::ios::binary);
  return std::vector<BYTE>(std::istreambuf_iterator<char>(file), {});
}

template <typename T>
T At(const std::vector<BYTE>& data, size_t offset) {
  T value{};
  if (offset + sizeof value <= data.size())
    std::memcpy(&value, &data[offset], sizeof value);
  return value;
}

// The names of the DLLs that the file imports, upper case.
std::vector<std::string> ImportedDlls(const std::vector<BYTE>& data) {
  const DWORD pe = At<DWORD>(data, 0x3C);
  const auto header = At<IMAGE_NT_HEADERS32>(data, pe);
  const size_t sections = pe + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                          header.FileHeader.SizeOfOptionalHeader;
  auto fileOffset = [&](DWORD rva) -> size_t {
    for (WORD i = 0; i < header.FileHeader.NumberOfSections; ++i) {
      const auto s = At<IMAGE_SECTION_HEADER>(data, sections + i * sizeof(IMAGE_SECTION_HEADER));
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
        return rva - s.VirtualAddress + s.PointerToRawData;
    }
    return data.size();
  };
  std::vector<std::string> names;
  size_t entry = fileOffset(
      header.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
  for (;; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    const auto import = At<IMAGE_IMPORT_DESCRIPTOR>(data, entry);
    if (import.Name == 0) break;
    std::string name;
    for (size_t at = fileOffset(import.Name); at < data.size() && data[at]; ++at)
      name += static_cast<char>(toupper(data[at]));
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The operator's file is a 32-bit GUI program that needs no DLL but the
// system's own, whichever build the other tests run.
TEST(ProductFile, IsA32BitGuiProgramThatNeedsOnlySystemDlls) {
  const std::vector<BYTE> data = ReadProductFile();
  ASSERT_GT(data.size(), 0x400u) << testkit::ProductExe();
  ASSERT_EQ(At<WORD>(data, 0), IMAGE_DOS_SIGNATURE);
  const DWORD pe = At<DWORD>(data, 0x3C);
  const auto header = At<IMAGE_NT_HEADERS32>(data, pe);
  ASSERT_EQ(header.Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
  EXPECT_EQ(header.FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(header.OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(header.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  EXPECT_EQ(ImportedDlls(data),
            std::vector<std::string>({"COMCTL32.DLL", "KERNEL32.DLL",
                                      "MSVCRT.DLL", "USER32.DLL"}));
}

}  // namespace
