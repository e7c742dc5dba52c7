// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/services/FailureNotice.h"

#include <algorithm>

#include "core/Errors.h"

namespace xuehai {

namespace {

const char* PlainWords(FailureKind kind) {
    switch (kind) {
        case FailureKind::Missing:
            return "游戏找不到它需要的一个文件，刚才的事没有做成。\n"
                   "请重新安装学海，或者请老师、家长检查游戏文件夹。";
        case FailureKind::Damaged:
            return "游戏的一个文件坏了，或者不是学海的文件，刚才的事没有做成。\n"
                   "请重新安装学海；班级的游戏文件夹请老师换上一份好的文件。";
        case FailureKind::Locked:
            return "另一个程序正在使用游戏的文件，刚才的事没有做成，也没有保存。\n"
                   "请关掉那个程序，或者等一会儿，然后再试一次。";
        case FailureKind::ReadOnly:
            return "游戏文件夹不能写入，刚才的事没有保存。\n"
                   "请老师或家长把游戏文件夹设成可以写入，然后再试一次。";
        case FailureKind::NoAccess:
            return "游戏没有权限读取它的一个文件，刚才的事没有做成。\n"
                   "请老师或家长检查游戏文件夹的权限。";
        case FailureKind::DiskFull:
            return "磁盘已经满了，刚才的事没有保存。\n"
                   "请删掉一些不需要的文件，然后再试一次。";
        case FailureKind::NoPrinter:
            return "没有找到可以用的打印机，成绩单没有打印。\n"
                   "请先在系统设置里选好默认打印机，然后再打印；也可以把成绩单存成图片。";
        case FailureKind::Unknown:
            break;
    }
    return "游戏出了一点问题，刚才的事没有做成。\n"
           "你可以接着玩；如果总是这样，请把游戏文件夹里的 xuehai.log 给老师或家长看。";
}

const char* const kMusicWords =
    "音乐放不出来，游戏会接着玩，只是没有声音。\n"
    "如果一直没有声音，请老师或家长检查电脑的声音设置和游戏的音乐文件。";

// A command that knows what its failure means for the player says so first, in Chinese, and
// gives the engine's account after an empty line.
bool SaysItselfWhatToDo(const std::string& message, std::string& headline, std::string& rest) {
    const auto split = message.find("\n\n");
    if (split == std::string::npos) {
        return false;
    }
    headline = message.substr(0, split);
    const bool chinese = std::any_of(headline.begin(), headline.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    rest = message.substr(split + 2);
    return chinese;
}

}  // namespace

FailureNotice NoticeFor(const std::string& message, std::exception_ptr failure) {
    FailureKind kind = FailureKind::Unknown;
    bool music = false;
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const MediaError& e) {
            kind = e.Kind();
            music = true;
        } catch (const Error& e) {
            kind = e.Kind();
        } catch (...) {
        }
    }
    std::string headline;
    std::string rest;
    if (SaysItselfWhatToDo(message, headline, rest)) {
        return {headline, rest};
    }
    const bool unexplained = kind == FailureKind::Unknown;
    return {music && unexplained ? kMusicWords : PlainWords(kind), message};
}

}  // namespace xuehai
