#include "core/PathText.h"

namespace velk {

std::size_t FileNameStart(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? 0 : slash + 1;
}

std::string FileNameOf(std::string_view path) {
    return std::string(path.substr(FileNameStart(path)));
}

std::string ChangeFileExt(std::string_view path, std::string_view extension) {
    const std::size_t nameStart = FileNameStart(path);
    const std::size_t dot = path.find_last_of('.');
    const std::size_t stem = (dot == std::string_view::npos || dot < nameStart) ? path.size() : dot;
    return std::string(path.substr(0, stem)) + std::string(extension);
}

} // namespace velk
