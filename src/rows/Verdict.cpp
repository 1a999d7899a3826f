#include "Verdict.h"

using namespace Qt::StringLiterals;

QString DescribeError(const FileSystemError& error)
{
    using Kind = FileSystemError::Kind;
    switch (error.kind) {
    case Kind::SourceMissing:
        return u"找不到要修改的目录"_s;
    case Kind::PermissionDenied:
        return u"没有权限修改这个目录"_s;
    case Kind::ReadOnly:
        return u"目录所在的文件系统是只读的"_s;
    case Kind::NameTooLong:
        return u"新名称太长"_s;
    case Kind::Busy:
        return u"目录正在使用中"_s;
    case Kind::CrossDevice:
        // Only ever renamed within its parent: a file system such as overlayfs refuses that.
        return u"这个文件系统不能就地修改这个目录的名称"_s;
    case Kind::IntoOwnSubfolder:
        return u"不能把目录移到它自己的子目录中"_s;
    case Kind::InvalidName:
        return u"新名称不是有效的文件夹名称"_s;
    case Kind::NotADirectory:
        return u"路径中的某一项不是目录"_s;
    case Kind::IsADirectory:
        return u"新名称已被一个目录占用"_s;
    case Kind::NoSpace:
        return u"磁盘空间不足"_s;
    case Kind::QuotaExceeded:
        return u"超出了磁盘配额"_s;
    case Kind::TargetExists:
        return u"新名称已被另一个文件或目录占用"_s;
    case Kind::TooManyLinks:
        return u"上级目录中的项目太多"_s;
    case Kind::LinkLoop:
        return u"路径中的符号链接太多或形成了循环"_s;
    case Kind::OutOfMemory:
        return u"内存不足"_s;
    case Kind::TooManyOpenFiles:
        return u"打开的文件太多"_s;
    case Kind::InputOutput:
        return u"读写磁盘时出错"_s;
    case Kind::TimedOut:
        return u"网络连接超时"_s;
    case Kind::StaleHandle:
        return u"网络文件系统上的目录已失效"_s;
    case Kind::NotConnected:
        return u"目录所在的设备或网络已断开"_s;
    case Kind::HostDown:
        return u"目录所在的网络主机无法访问"_s;
    case Kind::TryAgain:
        return u"系统暂时无法完成，请稍后再试"_s;
    case Kind::Unsupported:
        return u"文件系统不支持这个操作"_s;
    case Kind::TooLarge:
        return u"文件系统无法处理这么大的数值"_s;
    case Kind::InternalFault:
        return u"程序内部出错"_s;
    case Kind::FileSystemDamaged:
        return u"文件系统已损坏，需要先检查修复磁盘"_s;
    case Kind::NoMedium:
        return u"驱动器中没有光盘或存储卡"_s;
    case Kind::KeyMissing:
        return u"目录已加密，解密所需的密钥尚未载入"_s;
    case Kind::NetworkProtocol:
        return u"网络通信出错"_s;
    case Kind::RemoteInputOutput:
        return u"远程存储设备读写出错"_s;
    case Kind::MovedOrReplaced:
        return u"目录在加入列表后被移动或替换了"_s;
    case Kind::NumbersNotKept:
        return u"无法确认是加入列表的那个目录：这种磁盘（FAT、exFAT、网络共享、FUSE）会改变目录的编"
               u"号，"
               u"目录也可能被移动或替换了。请重新加入列表后再修改"_s;
    case Kind::ChangedDuringRename:
        return u"改名的同时另一个程序移动或替换了这个目录"_s;
    case Kind::TargetIsFolder:
        return u"目录已经存在"_s;
    case Kind::TargetIsSameFolder:
        return u"目录名称一样"_s;
    case Kind::NoSafeRename:
        return u"文件系统不支持安全的改名（不覆盖已有目录）"_s;
    case Kind::PlaceholderLeft:
        return u"文件系统不支持安全的改名，且新名称处留下了一个无法删除的空目录"_s;
    case Kind::MayHaveReplacedFolder:
        return u"另一个程序同时在新名称处建了目录，它可能已被这次改名替换"_s;
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
        return u"可以修改"_s;
    case Outcome::FolderExists:
    case Outcome::NameProposedEarlier:
        return u"有相同目录"_s;
    case Outcome::TakenByFile:
        return u"有同名文件"_s;
    case Outcome::InvalidName:
        return u"新名称无效"_s;
    case Outcome::NameTooLong:
        return DescribeError({FileSystemError::Kind::NameTooLong, {}}); // as the batch says
    case Outcome::TooComplex:
        return u"规则太复杂，无法计算这个名称"_s;
    case Outcome::RootNotRenamed:
        // A root has no parent and so nothing to be renamed within.
        return u"根目录不能修改"_s;
    case Outcome::ProgramsOwnFolder:
        return u"本程序正在使用这个目录，不能修改"_s;
    case Outcome::NeedsPreview:
        return u"未模拟修改，请先模拟修改"_s;
    case Outcome::SameName:
        return u"目录名称一样"_s;
    case Outcome::AlreadyExists:
        return u"目录已经存在"_s;
    // Never said to be a plain success when another folder may have been replaced.
    case Outcome::Renamed:
        return verdict.error.kind == FileSystemError::Kind::MayHaveReplacedFolder
                   ? u"已改名，但"_s + DescribeError(verdict.error)
                   : u"修改成功"_s;
    case Outcome::Undone:
        return verdict.error.kind == FileSystemError::Kind::MayHaveReplacedFolder
                   ? u"已撤销，但"_s + DescribeError(verdict.error)
                   : u"已撤销"_s;
    case Outcome::UndoFailed:
        return u"撤销出错:"_s + DescribeError(verdict.error);
    case Outcome::Failed:
        break;
    }
    return u"修改出错:"_s + DescribeError(verdict.error);
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
