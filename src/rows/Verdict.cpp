#include "Verdict.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Verdict)
};

} // namespace

QString DescribeError(const FileSystemError& error)
{
    using Kind = FileSystemError::Kind;
    switch (error.kind) {
    case Kind::SourceMissing:
        return Texts::tr("找不到要修改的目录");
    case Kind::PermissionDenied:
        return Texts::tr("没有权限修改这个目录");
    case Kind::ReadOnly:
        return Texts::tr("目录所在的文件系统是只读的");
    case Kind::NameTooLong:
        return Texts::tr("新名称太长");
    case Kind::Busy:
        return Texts::tr("目录正在使用中");
    case Kind::CrossDevice:
        // Only ever renamed within its parent: a file system such as overlayfs refuses that.
        return Texts::tr("这个文件系统不能就地修改这个目录的名称");
    case Kind::IntoOwnSubfolder:
        return Texts::tr("不能把目录移到它自己的子目录中");
    case Kind::InvalidName:
        return Texts::tr("新名称不是有效的文件夹名称");
    case Kind::NotADirectory:
        return Texts::tr("路径中的某一项不是目录");
    case Kind::IsADirectory:
        return Texts::tr("新名称已被一个目录占用");
    case Kind::NoSpace:
        return Texts::tr("磁盘空间不足");
    case Kind::QuotaExceeded:
        return Texts::tr("超出了磁盘配额");
    case Kind::TargetExists:
        return Texts::tr("新名称已被另一个文件或目录占用");
    case Kind::TooManyLinks:
        return Texts::tr("上级目录中的项目太多");
    case Kind::LinkLoop:
        return Texts::tr("路径中的符号链接太多或形成了循环");
    case Kind::OutOfMemory:
        return Texts::tr("内存不足");
    case Kind::TooManyOpenFiles:
        return Texts::tr("打开的文件太多");
    case Kind::InputOutput:
        return Texts::tr("读写磁盘时出错");
    case Kind::TimedOut:
        return Texts::tr("网络连接超时");
    case Kind::StaleHandle:
        return Texts::tr("网络文件系统上的目录已失效");
    case Kind::NotConnected:
        return Texts::tr("目录所在的设备或网络已断开");
    case Kind::HostDown:
        return Texts::tr("目录所在的网络主机无法访问");
    case Kind::TryAgain:
        return Texts::tr("系统暂时无法完成，请稍后再试");
    case Kind::Unsupported:
        return Texts::tr("文件系统不支持这个操作");
    case Kind::TooLarge:
        return Texts::tr("文件系统无法处理这么大的数值");
    case Kind::InternalFault:
        return Texts::tr("程序内部出错");
    case Kind::FileSystemDamaged:
        return Texts::tr("文件系统已损坏，需要先检查修复磁盘");
    case Kind::NoMedium:
        return Texts::tr("驱动器中没有光盘或存储卡");
    case Kind::KeyMissing:
        return Texts::tr("目录已加密，解密所需的密钥尚未载入");
    case Kind::NetworkProtocol:
        return Texts::tr("网络通信出错");
    case Kind::RemoteInputOutput:
        return Texts::tr("远程存储设备读写出错");
    case Kind::MovedOrReplaced:
        return Texts::tr("目录在加入列表后被移动或替换了");
    case Kind::NumbersNotKept:
        return Texts::tr(
            "无法确认是加入列表的那个目录：这种磁盘（FAT、exFAT、网络共享、FUSE）会改变目录的编"
            "号，"
            "目录也可能被移动或替换了。请重新加入列表后再修改");
    case Kind::ChangedDuringRename:
        return Texts::tr("改名的同时另一个程序移动或替换了这个目录");
    case Kind::TargetIsFolder:
        return Texts::tr("目录已经存在");
    case Kind::TargetIsSameFolder:
        return Texts::tr("目录名称一样");
    case Kind::NoSafeRename:
        return Texts::tr("文件系统不支持安全的改名（不覆盖已有目录）");
    case Kind::PlaceholderLeft:
        return Texts::tr("文件系统不支持安全的改名，且新名称处留下了一个无法删除的空目录");
    case Kind::MayHaveReplacedFolder:
        return Texts::tr("另一个程序同时在新名称处建了目录，它可能已被这次改名替换");
    case Kind::Other:
        break;
    }
    return error.systemText;
}

QString VerdictText(const Verdict& verdict)
{
    using Outcome = Verdict::Outcome;
    switch (verdict.outcome) {
    case Outcome::None:
        return {};
    case Outcome::CanRename:
        return Texts::tr("可以修改");
    case Outcome::FolderExists:
    case Outcome::NameProposedEarlier:
        return Texts::tr("有相同目录");
    case Outcome::TakenByFile:
        return Texts::tr("有同名文件");
    case Outcome::InvalidName:
        return Texts::tr("新名称无效");
    case Outcome::NameTooLong:
        return DescribeError({FileSystemError::Kind::NameTooLong, {}}); // as the batch says
    case Outcome::TooComplex:
        return Texts::tr("规则太复杂，无法计算这个名称");
    case Outcome::RootNotRenamed:
        // A root has no parent and so nothing to be renamed within.
        return Texts::tr("根目录不能修改");
    case Outcome::ProgramsOwnFolder:
        return Texts::tr("本程序正在使用这个目录，不能修改");
    case Outcome::NeedsPreview:
        return Texts::tr("未模拟修改，请先模拟修改");
    case Outcome::SameName:
        return Texts::tr("目录名称一样");
    case Outcome::AlreadyExists:
        return Texts::tr("目录已经存在");
    // Never said to be a plain success when another folder may have been replaced.
    case Outcome::Renamed:
        return verdict.error.kind == FileSystemError::Kind::MayHaveReplacedFolder
                   ? Texts::tr("已改名，但") + DescribeError(verdict.error)
                   : Texts::tr("修改成功");
    case Outcome::Undone:
        return verdict.error.kind == FileSystemError::Kind::MayHaveReplacedFolder
                   ? Texts::tr("已撤销，但") + DescribeError(verdict.error)
                   : Texts::tr("已撤销");
    case Outcome::UndoFailed:
        return Texts::tr("撤销出错:") + DescribeError(verdict.error);
    case Outcome::Failed:
        break;
    }
    return Texts::tr("修改出错:") + DescribeError(verdict.error);
}

Verdict::Outcome InvalidNameOutcome(const FileSystemError& problem)
{
    return problem.kind == FileSystemError::Kind::NameTooLong ? Verdict::Outcome::NameTooLong
                                                              : Verdict::Outcome::InvalidName;
}

bool IsBatchOutcome(Verdict::Outcome outcome)
{
    using Outcome = Verdict::Outcome;
    switch (outcome) {
    case Outcome::NeedsPreview:
    case Outcome::AlreadyExists:
    case Outcome::Renamed:
    case Outcome::Failed:
    case Outcome::Undone:
    case Outcome::UndoFailed:
        return true;
    default:
        return false;
    }
}

bool IsProblem(const Verdict& verdict)
{
    using Outcome = Verdict::Outcome;
    switch (verdict.outcome) {
    case Outcome::None:
    case Outcome::CanRename:
    case Outcome::SameName:
        return false;
    case Outcome::Renamed:
    case Outcome::Undone:
        return verdict.error.kind == FileSystemError::Kind::MayHaveReplacedFolder;
    default:
        return true;
    }
}
