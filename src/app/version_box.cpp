#include "app/version_box.h"

#include <string_view>

namespace quorvel {
namespace {

constexpr std::string_view kNameAndPrefix = "Quorvel２ver"; // full-width ２, no blanks
constexpr std::string_view kCopyright = "Copyright (C) 2026 The Quorvel developers";
constexpr std::string_view kContact = "quorvel@example.org";
constexpr std::string_view kTitle = "バージョン情報";

} // namespace

std::string VersionBoxText(const ProgramVersion& version) {
    std::string text{kNameAndPrefix};
    text += std::to_string(version.major);
    text += '.';
    text += std::to_string(version.minor);
    text += '.';
    text += std::to_string(version.revision);
    text += '\r';
    text += kCopyright;
    text += '\r';
    text += kContact;
    return text;
}

void ShowVersionBox(Form1& form) {
    form.toolkit().messageBox(VersionBoxText(programVersion()), kTitle, MessageIcon::Information);
}

} // namespace quorvel
