#pragma once

#include "platform/ScreenCapture.h"

#include <QDBusConnection>

namespace lodrin {

// Messages of a capture that did not work.
namespace CaptureMessages {
inline constexpr const char* NoPortal =
    "截屏失败：桌面不允许本程序读取屏幕，也没有可用的截图服务（xdg-desktop-portal）。";
inline constexpr const char* Refused = "截屏失败：截图服务拒绝或取消了这次截屏。";
inline constexpr const char* NoAnswer = "截屏失败：截图服务没有及时应答。";
inline constexpr const char* Unreadable = "截屏失败：无法读取截图服务保存的图像。";
inline constexpr const char* Blank = "截屏失败：得到的是一幅空白图像。";
inline constexpr const char* NoScreen = "截屏失败：找不到屏幕。";
inline constexpr const char* WindowsStayed =
    "截屏失败：程序的窗口没能从屏幕上移开，为免截到它们，已放弃截屏。";
} // namespace CaptureMessages

// Asks the desktop portal on the bus for a picture of the whole screen
// (org.freedesktop.portal.Screenshot, not interactive) and reads the file it answers with.
// Waits for the answer while the event loop runs, at most timeoutMs. A refusal, no portal,
// no answer in time, an unreadable file or a blank picture give the problem instead.
ScreenShot PortalScreenshot(const QDBusConnection& bus, int timeoutMs);

} // namespace lodrin
