#pragma once

#include <QImage>

#include <cstddef>
#include <optional>
#include <string>

namespace shoewise {

// Largest width or height accepted. Well above any picture we ship, far below what a forged
// header could ask for.
inline constexpr int kMaxJpegSide = 4096;

// Decodes JPEG bytes to an RGB888 image. Damaged input gives std::nullopt (and, if asked, the
// reason) and never ends the process. Truncated data that libjpeg can pad out is returned as an
// image, as libjpeg does.
std::optional<QImage> decodeJpeg(const unsigned char* data, std::size_t size, std::string* error = nullptr);

}  // namespace shoewise
