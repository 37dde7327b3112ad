#include "lzrw1_run.h"

#include <QFileInfo>

#include <filesystem>
#include <new>
#include <system_error>

namespace {

bool sameFile(const QString& a, const QString& b) {
    std::error_code ec;
    return std::filesystem::equivalent(std::filesystem::path(a.toStdString()),
                                       std::filesystem::path(b.toStdString()), ec) &&
           !ec;
}

bool regularFile(const QString& name) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(name.toStdString()), ec);
}

} // namespace

Lzrw1Run::Lzrw1Run(const Tlzrw1& owner) : owner_(owner) {}

Lzrw1Run::~Lzrw1Run() {
    closeInput();
    if (outputCreated_ && !owner_.UseStream) {
        outFile_.close();
        if (removeOnFailure_) QFile::remove(owner_.OutputFile);
    }
}

bool Lzrw1Run::allocateBuffers() {
    try {
        in_ = std::make_unique<uint8_t[]>(Tlzrw1::IoBufferSize);
        out_ = std::make_unique<uint8_t[]>(Tlzrw1::IoBufferSize);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

qint64 Lzrw1Run::inputSize() const {
    if (owner_.UseStream) {
        QIODevice* s = owner_.InputStream;
        if (s == nullptr || !s->isReadable() || s->isSequential()) return -1;
        return s->size() - s->pos();
    }
    const QFileInfo info(owner_.InputFile);
    if (owner_.InputFile.isEmpty() || !info.exists() || info.isDir()) return -1;
    return info.size();
}

bool Lzrw1Run::openInput() {
    if (owner_.UseStream) {
        input_ = owner_.InputStream;
        if (input_ == nullptr || !input_->isReadable()) {
            input_ = nullptr;
            return false;
        }
        streamStart_ = input_->isSequential() ? 0 : input_->pos();
        return true;
    }
    inFile_.setFileName(owner_.InputFile);
    // Whole pieces are read at a time; a device buffer would only copy them
    // once more.
    if (owner_.InputFile.isEmpty() || !inFile_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    input_ = &inFile_;
    return true;
}

bool Lzrw1Run::seekInput(qint64 offset) {
    return input_ != nullptr && !input_->isSequential() && input_->seek(streamStart_ + offset);
}

void Lzrw1Run::rewindStream() {
    if (owner_.UseStream && input_ != nullptr && !input_->isSequential())
        input_->seek(streamStart_);
}

void Lzrw1Run::closeInput() {
    if (inFile_.isOpen()) inFile_.close();
    input_ = nullptr;
}

void Lzrw1Run::createOutput() {
    if (owner_.UseStream) {
        output_ = owner_.OutputStream;
        if (output_ == nullptr || !output_->isWritable() || output_ == owner_.InputStream) {
            output_ = nullptr;
            fail(QStringLiteral("Lzrw1 (de)compression : Failed to initialize output stream !"));
        }
        return;
    }
    const QString& name = owner_.OutputFile;
    const auto openFailed = QStringLiteral("Lzrw1 (de)compression : Failed to open output file : ");
    // Truncating the file being read would destroy it before it is read.
    if (name.isEmpty() || sameFile(name, owner_.InputFile)) fail(openFailed + name);
    outFile_.setFileName(name);
    if (!outFile_.open(QIODevice::WriteOnly | QIODevice::Truncate)) fail(openFailed + name);
    outputCreated_ = true;
    // Only a file of our own goes on failure, never a device such as /dev/null.
    removeOnFailure_ = regularFile(name);
    output_ = &outFile_;
}

qint64 Lzrw1Run::readUpTo(void* buf, qint64 n) {
    auto* at = static_cast<char*>(buf);
    qint64 got = 0;
    while (got < n) {
        const qint64 r = input_->read(at + got, n - got);
        if (r < 0) return -1;
        if (r == 0) break;
        got += r;
    }
    owner_.idle();
    return got;
}

void Lzrw1Run::readExact(void* buf, qint64 n) {
    if (readUpTo(buf, n) != n) {
        if (owner_.UseStream) fail(QStringLiteral("Lzrw1 : Error reading from input stream !"));
        fail(QStringLiteral("Lzrw1 : Error reading from input file : ") + owner_.InputFile);
    }
}

void Lzrw1Run::failRead(const char* method) const {
    const QString tag = QStringLiteral(" (") + QLatin1String(method) + QLatin1Char(')');
    if (owner_.UseStream) fail(QStringLiteral("Lzrw1 : Error reading from input stream !") + tag);
    fail(QStringLiteral("Lzrw1 : Error reading from input file : ") + owner_.InputFile + tag);
}

void Lzrw1Run::write(const void* buf, qint64 n) {
    if (output_->write(static_cast<const char*>(buf), n) != n) {
        if (owner_.UseStream) fail(QStringLiteral("Lzrw1 : Error writing to output stream !"));
        fail(QStringLiteral("Lzrw1 : Error writing to output file : ") + owner_.OutputFile);
    }
    bytesOut += static_cast<quint64>(n);
    owner_.idle();
}

void Lzrw1Run::commit() {
    closeInput();
    if (owner_.UseStream) return;
    if (!outFile_.flush())
        fail(QStringLiteral("Lzrw1 : Error writing to output file : ") + owner_.OutputFile);
    outFile_.close();
    outputCreated_ = false;
}
