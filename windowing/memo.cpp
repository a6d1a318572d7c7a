#include "windowing/memo.h"

#include <vector>

namespace scrubwell::windowing {
namespace {

// Lines of the text as stored, split at CR LF (word wrapping is only shown).
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines.emplace_back();
            ++i;
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

} // namespace

int Memo::LineCount() const
{
    return static_cast<int>(Lines(Text()).size());
}

void Memo::InsertLine(int index, const std::string& text) const
{
    auto lines = Lines(Text());
    if (index < 0 || index > static_cast<int>(lines.size()))
        return;
    lines.insert(lines.begin() + index, text);
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            joined += "\r\n";
        joined += lines[i];
    }
    SetCaption(joined);
}

} // namespace scrubwell::windowing
