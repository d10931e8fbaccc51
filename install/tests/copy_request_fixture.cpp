#include "install/tests/copy_request_fixture.h"

namespace copy_e2e {

std::string Notice(const std::string& target) {
  return "文件复制操作完成。请运行【" + target +
         "】中的\"绿化及安装驱动.bat\"进行绿化安装。也可以复制【" + target +
         "】目录到其它计算机，并运行其中的\"绿化及安装驱动.bat\"来安装。";
}

std::vector<std::string> Questions(const std::string& target) {
  return {"立即运行【" + target +
              "】中的\"绿化及安装驱动.bat\"进行绿化安装？选择是立即在本机安装，选择否不安装。",
          "立即运行【" + target + "】中的\"修改客户名称.bat\"指定最终客户的名称？",
          "立即打开【" + target + "】中的\"软件名称.txt\"指定安装后软件快捷方式名称？",
          "立即运行【" + target + "】中的\"qzt_config.exe\"帮助终端客户预先配置好模板？"};
}

std::string TempFolder() {
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  return path;
}

std::string StandInScript(const char* name) {
  return std::string("@echo off\r\n>>\"%VORKEL_TEST_LOG%\" echo ") + name +
         " %CD%\r\n";
}

std::string CopyScript(const std::vector<std::string>& sources,
                       const std::string& target) {
  std::string script = "@echo off\r\nsetlocal DisableDelayedExpansion\r\n";
  for (const std::string& source : sources)
    script += "xcopy /E /Y \"" + source + "\\*\" \"" + target + "\\\"\r\n"
              "if errorlevel 1 exit /b 1\r\n"
              "if not errorlevel 0 exit /b 1\r\n";
  return script + "exit /b 0\r\n";
}

void LayMedium(Folder& medium) {
  medium.File("Halvit\\base.txt", "base")
      .File("Halvit\\shared.txt", "from base")
      .File("Halvit\\sub\\deep\\file.txt", "deep")
      .Dir("Halvit\\empty")
      .File("Halvit\\软件名称.txt", "an old and much longer name than any used here")
      .File("Halvit\\@安装.bat", "old launcher that is longer than the new one\r\n")
      .File("Halvit\\绿化及安装驱动.bat", StandInScript("install"))
      .File("Halvit\\修改客户名称.bat", StandInScript("rename"))
      .File("硬件支持包\\plugin_cam\\shared.txt", "from cam")
      .File("硬件支持包\\plugin_cam\\cam.txt", "cam")
      .File("硬件支持包\\qzt_door\\shared.txt", "from door")
      .File("硬件支持包\\qzt_door\\door\\d.txt", "d")
      .File("硬件支持包\\alarm\\alarm.txt", "alarm");
  ASSERT_TRUE(CopyFileA(testkit::StandInConfigExe().c_str(),
                        medium.Path("Halvit\\qzt_config.exe").c_str(), FALSE));
}

}  // namespace copy_e2e
