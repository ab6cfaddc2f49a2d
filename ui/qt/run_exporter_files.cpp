// Every file the exporter writes goes to a temporary file beside it and is
// renamed over it once whole (QSaveFile): a full disk leaves no half file,
// only a sentence on standard error.
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "history/display_text.h"
#include "ui/qt/picture_files.h"
#include "ui/qt/run_exporter.h"

namespace exporter {

namespace {

// Writes through a QSaveFile; an empty string when the file is in place, or
// why it is not (and then no file is left).
struct SavedFile {
    explicit SavedFile(const std::string& path) : file(QString::fromStdString(path)) {}

    // Refuses what is not, or would not become, a plain file: renaming a
    // temporary file over a device or a folder is never what was meant.
    std::string open()
    {
        std::error_code ignored;
        const std::filesystem::path path(file.fileName().toStdString());
        if (std::filesystem::exists(path, ignored) && !std::filesystem::is_regular_file(path, ignored))
            return "it is not a plain file";
        if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
        return {};
    }

    std::string commit()
    {
        if (file.error() != QFileDevice::NoError) {
            const std::string why = reason();
            file.cancelWriting();
            return why;
        }
        if (!file.commit()) return reason();
        return {};
    }

    // Qt words some failures "Unknown error" (an encoder's write that failed).
    std::string reason() const
    {
        const int code = errno;
        const std::string said = file.errorString().toStdString();
        if (!said.empty() && said != "Unknown error") return said;
        return code != 0 ? std::strerror(code) : "the disk refused the data";
    }

    QSaveFile file;
};

// A std::ostream onto a QIODevice, so that the CSV streams to the file
// instead of being built whole in memory first.
class DeviceBuffer : public std::streambuf {
public:
    explicit DeviceBuffer(QIODevice& device) : device_(device) { setp(buffer_, buffer_ + sizeof buffer_); }
    ~DeviceBuffer() override { sync(); }

protected:
    int_type overflow(int_type c) override
    {
        if (sync() != 0) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override
    {
        const qint64 size = pptr() - pbase();
        errno = 0;
        const bool written = size == 0 || device_.write(pbase(), size) == size;
        if (!written && failure_ == 0) failure_ = errno != 0 ? errno : EIO;
        setp(buffer_, buffer_ + sizeof buffer_);
        return written ? 0 : -1;
    }

public:
    // Why the first write failed (an errno value), 0 while none has.
    int failure() const { return failure_; }

private:
    QIODevice& device_;
    int failure_ = 0;
    char buffer_[64 * 1024];
};

} // namespace

// The encoders do not all report a write that fell short: what they make is
// put in memory first and written in one checked write.
std::string writeBytes(const std::string& path, const QByteArray& bytes)
{
    if (path == "-") {
        std::cout.write(bytes.constData(), bytes.size());
        return std::cout.flush() ? std::string() : std::string("standard output refused the data");
    }
    SavedFile saved(path);
    if (std::string why = saved.open(); !why.empty()) return why;
    errno = 0;
    if (saved.file.write(bytes) != bytes.size() || !saved.file.flush()) {
        const std::string why = saved.reason();
        saved.file.cancelWriting();
        return why;
    }
    return saved.commit();
}

std::string writeStream(const std::string& path, const std::function<void(std::ostream&)>& write)
{
    if (path == "-") {
        write(std::cout);
        return std::cout.flush() ? std::string() : std::string("standard output refused the data");
    }
    SavedFile saved(path);
    if (std::string why = saved.open(); !why.empty()) return why;
    DeviceBuffer buffer(saved.file);
    std::ostream out(&buffer);
    write(out);
    if (!out.flush()) {
        saved.file.cancelWriting();
        return std::strerror(buffer.failure() != 0 ? buffer.failure() : EIO);
    }
    return saved.commit();
}

void refuseWrite(const std::string& path, const std::string& why)
{
    // The reason is a whole sentence of this program's or the system's: made
    // plain, never cut short.
    std::cerr << ProgramName << ": could not write "
              << (path == "-" ? std::string("standard output") : displaytext::name(path)) << ": "
              << displaytext::plain(why, 1000) << (why.ends_with('.') ? "\n" : ".\n");
}

bool saveRun(const std::string& path, const RunHistory::SavedRun& saved)
{
    const std::string why = saved.error.empty()
                                ? writeBytes(path, QByteArray::fromStdString(writeRunText(saved.script)))
                                : saved.error;
    if (why.empty()) return true;
    refuseWrite(path, why);
    return false;
}

bool writePicture(const Request& request, const std::string& svg)
{
    if (request.svg) {
        if (const std::string why = writeBytes(*request.svg, picture_files::svgBytes(svg)); !why.empty()) {
            refuseWrite(*request.svg, why);
            return false;
        }
    }
    if (request.png) {
        const QByteArray image = picture_files::png(svg);
        const std::string why =
            image.isEmpty() ? "the image could not be drawn" : writeBytes(*request.png, image);
        if (!why.empty()) {
            refuseWrite(*request.png, why);
            return false;
        }
    }
    return true;
}

bool writeHandout(const std::string& path, const std::vector<std::string>& pages, const std::string& title)
{
    const QByteArray document = picture_files::pdf(pages, title);
    const std::string why =
        document.isEmpty() ? "the handout could not be drawn" : writeBytes(path, document);
    if (why.empty()) return true;
    refuseWrite(path, why);
    return false;
}

bool saveCapture(const Request& request, std::span<const capture::Connection> connections)
{
    const std::string bytes =
        capture::pcapFile(connections, request.captureAt, request.from.value_or(0), request.to.value_or(-1));
    const std::string why =
        writeBytes(*request.pcap, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (why.empty()) return true;
    refuseWrite(*request.pcap, why);
    return false;
}

} // namespace exporter
