#include "profile/profile_line_reader.h"

#include "text/utf8_text.h"

namespace mensurix {
namespace {

std::string_view TrimSpacesAndTabs(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void Classify(std::string_view text, ProfileLine& line) {
    line.kind = ProfileLineKind::Other;
    line.name = {};
    line.value = {};
    if (text.empty() || text.front() == ';') {
        return;
    }
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLineKind::Section;
            line.name = TrimSpacesAndTabs(text.substr(1, close - 1));
        }
        return;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    line.name = TrimSpacesAndTabs(text.substr(0, equals));
    if (!line.name.empty()) {
        line.kind = ProfileLineKind::Key;
        line.value = TrimSpacesAndTabs(text.substr(equals + 1));
    }
}

} // namespace

ProfileLineReader::ProfileLineReader(std::string_view contents)
    : contents_(contents), position_(contents.size() - WithoutUtf8ByteOrderMark(contents).size()) {}

bool ProfileLineReader::Next(ProfileLine& line) {
    if (position_ >= contents_.size()) {
        return false;
    }
    line.begin = position_;
    line.contentEnd = contents_.find_first_of("\r\n", position_);
    if (line.contentEnd == std::string_view::npos) {
        line.contentEnd = contents_.size();
        line.end = contents_.size();
    } else if (contents_.compare(line.contentEnd, 2, "\r\n") == 0) {
        line.end = line.contentEnd + 2;
    } else {
        line.end = line.contentEnd + 1;
    }
    position_ = line.end;
    Classify(TrimSpacesAndTabs(contents_.substr(line.begin, line.contentEnd - line.begin)), line);
    return true;
}

} // namespace mensurix
