// The program's own texts that tests compare against, byte for byte (GBK when compiled with
// -fexec-charset=GBK, as the driver's users are).
#pragma once
#include <string>

#include "driver/message_box.h"

namespace e2e {

constexpr const char* kCommandBoxTitle = "信息：";
constexpr const char* kGenerateDone = "`(*^﹏^*)′奴家已经帮您弄好啦，请刷新一下试试吧";
constexpr const char* kGenerateFailed = "╯﹏╰ 生成失败了，请确认分区目录存在并且可以写入；要更换图片，请先还原再生成";
constexpr const char* kGenerateNeedsBoth = "^_^||| 请确保已经选择好要更改的分区以及图片路径";
constexpr const char* kRestoreDone = "还原成功，感谢您的支持！！！";
constexpr const char* kRestoreFailed = "?o(╥﹏╥)o ?还原失败，请确定已经更改了吗？";
constexpr const char* kRestoreNeedsRoot = "╰_╯还原路径都不给我，这人好坏好坏的哦";
constexpr const char* kFatalTitle = "错误";

// The box of Generate and Restore: MessageBoxA(no owner, text, "信息：", MB_OK | MB_TASKMODAL).
inline BoxReport CommandBox(const std::string& text)
{
    return {kCommandBoxTitle, text, false, {1}, true, true};
}

// The fatal error report: MessageBoxA(no owner, ..., "错误", MB_OK | MB_ICONERROR). It shows
// before the main window ever does, so no other window of the program is visible beside it.
inline BoxReport FatalBox(const std::string& message)
{
    return {kFatalTitle, "运行时出错!\r\n\r\n错误信息：" + message + "\r\n", true, {1}, true, true};
}

}  // namespace e2e
