#pragma once

#include <string_view>

namespace lodrin {

// The importer's own texts, shown in the window's memo and by the scripted import.
inline constexpr std::string_view MobileStoreMissingText =
    "没有找到手机版Quarvo的答案库！\n请先把手机版答案库改名为 Lodrin_An.db 并复制到当前目录下。";
inline constexpr std::string_view ImportFailedText = "遇到错误，导入失败！";
inline constexpr std::string_view StoreCreateFailedText = "新版的答案库文档创建失败：";
inline constexpr std::string_view OldStoreMissingText =
    "没有找到旧版的答案库文档：\n请先把旧版答案库文档 Lodrin.dat 复制到当前目录下。";
inline constexpr std::string_view OldStoreOpenFailedText = "打开旧版答案库文档时遇到错误！";

// The files beside the program.
inline constexpr std::string_view SolutionStoreFileName = "Lodrin.db";
inline constexpr std::string_view MobileStoreFileName = "Lodrin_An.db";
inline constexpr std::string_view OldStoreFileName = "Lodrin.dat";

} // namespace lodrin
