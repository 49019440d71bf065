#include "document/FileErrors.h"

#include <cerrno>
#include <cstring>

namespace tabrix {

std::string SystemErrorText(int err) {
    switch (err) {
        case ENOENT: return "ファイルまたはフォルダが見つかりません。";
        case EACCES:
        case EPERM: return "アクセスが拒否されました。";
        case ENOSPC: return "ディスクの空き領域が不足しています。";
        case EDQUOT: return "ディスク使用量の制限を超えました。";
        case EISDIR: return "フォルダです。ファイルを指定して下さい。";
        case EROFS: return "読み取り専用のファイルシステムです。";
        case ENOMEM: return "メモリが不足しています。";
        case EFBIG: return "ファイルが大きすぎます。";
        case EIO: return "入出力エラーが発生しました。";
        case ENAMETOOLONG: return "ファイル名が長すぎます。";
        default: return std::string("システムエラー: ") + std::strerror(err);
    }
}

std::string ReadFailedMessage(std::string_view path, int err) {
    return std::string(path) + " を読み込めませんでした。\n" + SystemErrorText(err);
}

std::string SaveFailedMessage(std::string_view path, int err) {
    return std::string(path) + " に保存できませんでした。\n" + SystemErrorText(err);
}

}  // namespace tabrix
