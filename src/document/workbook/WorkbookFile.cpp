// Opening a workbook file by what it holds, not by its name.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "document/FileErrors.h"
#include "document/workbook/Biff8Reader.h"
#include "document/workbook/CompoundFile.h"
#include "document/workbook/WorkbookReader.h"
#include "document/workbook/XlsxReader.h"
#include "text/Cp932.h"

namespace tabrix {

namespace {

// Reads a file, or its first limit bytes; false with errno in err.
bool ReadFileBytes(const std::string& fsPath, std::size_t limit, std::string& bytes, int& err) {
    const int fd = ::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return false;
    }
    bytes.clear();
    char buffer[1 << 16];
    while (bytes.size() < limit) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            err = errno;
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

// The first records of the oldest formats are a bare BOF: 09 00, 09 02, 09 04.
bool IsBareOldBiff(std::string_view bytes) {
    return bytes.size() >= 4 && bytes[0] == 0x09 && (bytes[1] == 0x00 || bytes[1] == 0x02 || bytes[1] == 0x04);
}

}  // namespace

std::string WorkbookDamagedMessage(const std::string& path) {
    return path + " を読み込めませんでした。\nEXCELファイルの形式が正しくないか、ファイルが壊れています。";
}

std::string WorkbookNoSheetMessage(const std::string& path) {
    return path + " を読み込めませんでした。\nワークシートがありません。";
}

std::string WorkbookOldFormatMessage(const std::string& path) {
    return path + " を読み込めませんでした。\n古い形式（BIFF5以前）のEXCELファイルは読み込めません。";
}

std::unique_ptr<IWorkbookReader> OpenWorkbookFile(const std::string& path, std::string& message) {
    const std::string fsPath = ToFsPath(path).native();
    std::string bytes;
    int err = 0;
    if (!ReadFileBytes(fsPath, 8, bytes, err)) {
        message = ReadFailedMessage(path, err);
        return nullptr;
    }
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), "PK\x03\x04", 4) == 0) {
        auto reader = std::make_unique<CXlsxReader>();
        if (reader->open(fsPath) != CXlsxReader::Status::Ok) {
            message = WorkbookDamagedMessage(path);
            return nullptr;
        }
        if (reader->sheetNames().empty()) {
            message = WorkbookNoSheetMessage(path);
            return nullptr;
        }
        return reader;
    }
    if (IsBareOldBiff(bytes)) {
        message = WorkbookOldFormatMessage(path);
        return nullptr;
    }
    // A compound file is read whole: its sectors may lie anywhere.
    if (!ReadFileBytes(fsPath, SIZE_MAX, bytes, err)) {
        message = ReadFailedMessage(path, err);
        return nullptr;
    }
    CCompoundFile container;
    if (!container.open(std::move(bytes))) {
        message = WorkbookDamagedMessage(path);
        return nullptr;
    }
    std::string stream;
    // An encrypted .xlsx is a compound file holding the encrypted package.
    if (container.readStream(u"EncryptedPackage", stream) != CCompoundFile::Stream::Missing) {
        message = kWorkbookEncrypted;
        return nullptr;
    }
    const CCompoundFile::Stream found = container.readStream(u"Workbook", stream);
    if (found == CCompoundFile::Stream::Missing) {
        message = container.readStream(u"Book", stream) == CCompoundFile::Stream::Missing
                      ? WorkbookDamagedMessage(path)
                      : WorkbookOldFormatMessage(path);
        return nullptr;
    }
    if (found == CCompoundFile::Stream::Damaged) {
        message = WorkbookDamagedMessage(path);
        return nullptr;
    }
    auto reader = std::make_unique<CBiff8Reader>();
    switch (reader->open(std::move(stream))) {
        case CBiff8Reader::Status::Ok: break;
        case CBiff8Reader::Status::Encrypted: message = kWorkbookEncrypted; return nullptr;
        case CBiff8Reader::Status::OldFormat: message = WorkbookOldFormatMessage(path); return nullptr;
        case CBiff8Reader::Status::Damaged: message = WorkbookDamagedMessage(path); return nullptr;
    }
    if (reader->sheetNames().empty()) {
        message = WorkbookNoSheetMessage(path);
        return nullptr;
    }
    return reader;
}

}  // namespace tabrix
