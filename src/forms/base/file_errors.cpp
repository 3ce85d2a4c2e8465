#include "forms/base/file_errors.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace akuenza {

QString systemErrorReason(int error)
{
    // The reasons an engineer meets, in his words; the rest by number, so
    // that the system's own (English) text never appears.
    switch (error) {
    case ENOENT: return QStringLiteral("ファイルまたはフォルダが見つかりません。");
    case EACCES:
    case EPERM: return QStringLiteral("アクセスが許可されていません（読み取り専用か、権限がありません）。");
#ifdef EROFS
    case EROFS: return QStringLiteral("読み取り専用の場所です。");
#endif
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("ディスクの空き容量が足りません。");
    case EISDIR: return QStringLiteral("フォルダです。ファイルを指定してください。");
    case EBUSY:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
    case EAGAIN:
        return QStringLiteral("ファイルが他のプログラムで使用中です。");
    case ENAMETOOLONG: return QStringLiteral("ファイル名またはパスが長すぎます。");
    case ENOTDIR: return QStringLiteral("パスの途中にフォルダではないものがあります。");
    case EIO: return QStringLiteral("ディスクの読み書きに失敗しました。");
    default: return QStringLiteral("システムのエラーです（エラー番号 %1）。").arg(error);
    }
}

QString fileFailureReason(const FileOutcome& outcome)
{
    if (outcome.notRegularFile && outcome.systemError != EISDIR)
        return QStringLiteral("通常のファイルではありません（パイプやデバイスなど）。");
    if (outcome.systemError != 0)
        return systemErrorReason(outcome.systemError);
    return QString();
}

QString fileFailureMessage(const QString& heading, const QString& path, const FileOutcome& outcome)
{
    return QStringLiteral("%1\n%2\n%3")
        .arg(heading, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), fileFailureReason(outcome));
}

} // namespace akuenza
