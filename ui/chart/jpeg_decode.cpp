#include "ui/chart/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>

namespace shoewise {
namespace {

// A progressive file may repeat scans; each one costs a pass over the whole image, so a small
// file with thousands of scans would stall the decode. Real encoders use about a dozen.
constexpr int kMaxScans = 100;
constexpr long kMaxLibjpegMemory = 256L * 1024 * 1024;
constexpr std::size_t kMaxInputBytes = std::size_t {64} * 1024 * 1024;

// libjpeg reports fatal errors through error_exit, which by default calls exit(). Ours jumps back
// to the step that was running instead. The jump crosses only libjpeg's C frames and the step
// functions below, none of which own anything with a destructor.
struct ErrorManager {
    jpeg_error_mgr pub;  // first, so libjpeg's pointer to it is also a pointer to us
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void onJpegError(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings about corrupt data would otherwise go to stderr on every paint of a bad file.
extern "C" void onJpegMessage(j_common_ptr)
{
}

extern "C" void onJpegProgress(j_common_ptr cinfo)
{
    auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > kMaxScans) {
        auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
        std::snprintf(err->message, sizeof err->message, "more than %d scans", kMaxScans);
        std::longjmp(err->jump, 1);
    }
}

// Each step arms its own jump point: a jmp_buf is only usable while the function that filled it
// is running. After a jump the steps return at once and read no locals, so nothing needs to be
// volatile.
bool readHeader(j_decompress_ptr cinfo, ErrorManager* err, jpeg_progress_mgr* progress, const unsigned char* data,
    unsigned long size)
{
    if (setjmp(err->jump) != 0)
        return false;
    jpeg_create_decompress(cinfo);
    cinfo->mem->max_memory_to_use = kMaxLibjpegMemory;
    cinfo->progress = progress;
    jpeg_mem_src(cinfo, data, size);
    jpeg_read_header(cinfo, TRUE);
    cinfo->out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(cinfo);
    return true;
}

bool readPixels(j_decompress_ptr cinfo, ErrorManager* err, unsigned char* bits, std::size_t bytesPerLine)
{
    if (setjmp(err->jump) != 0)
        return false;
    jpeg_start_decompress(cinfo);
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = bits + cinfo->output_scanline * bytesPerLine;
        // A memory source never suspends; if it ever did, stop rather than spin.
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(cinfo);
    return true;
}

struct DecompressGuard {
    jpeg_decompress_struct* cinfo;
    ~DecompressGuard() { jpeg_destroy_decompress(cinfo); }
};

std::optional<QImage> fail(std::string* error, const char* why)
{
    if (error)
        *error = why;
    return std::nullopt;
}

}  // namespace

std::optional<QImage> decodeJpeg(const unsigned char* data, std::size_t size, std::string* error)
{
    if (data == nullptr || size == 0)
        return fail(error, "no data");
    if (size > kMaxInputBytes)
        return fail(error, "too much data");

    // Zeroed first so destroying it is safe even if creation itself failed.
    jpeg_decompress_struct cinfo {};
    ErrorManager err {};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.pub.output_message = onJpegMessage;
    jpeg_progress_mgr progress {};
    progress.progress_monitor = onJpegProgress;
    DecompressGuard guard {&cinfo};

    if (!readHeader(&cinfo, &err, &progress, data, static_cast<unsigned long>(size)))
        return fail(error, err.message);

    // Check the size before allocating anything for it.
    if (cinfo.output_width == 0 || cinfo.output_height == 0
        || cinfo.output_width > static_cast<JDIMENSION>(kMaxJpegSide)
        || cinfo.output_height > static_cast<JDIMENSION>(kMaxJpegSide))
        return fail(error, "implausible picture size");
    if (cinfo.output_components != 3)
        return fail(error, "unexpected colour layout");

    QImage image(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), QImage::Format_RGB888);
    if (image.isNull())
        return fail(error, "out of memory");

    if (!readPixels(&cinfo, &err, image.bits(), static_cast<std::size_t>(image.bytesPerLine())))
        return fail(error, err.message[0] != '\0' ? err.message : "decoding stopped");
    return image;
}

}  // namespace shoewise
