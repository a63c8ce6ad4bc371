#include "link/console.h"

namespace ksm {

void Console::ConsoleSet(std::string_view text) {
    pane_.SetText(text, kConsoleBaseColour);
    empty_line_ = false;
}

void Console::ConsoleAppend(std::string_view text) {
    std::string whole = pane_.Text();
    whole += text;
    pane_.SetText(whole, kConsoleBaseColour);
}

void Console::ConsoleAddLine(std::string_view text) {
    bool has_lines = empty_line_ || !pane_.Text().empty();
    std::string line = has_lines ? "\n" : "";
    line += text;
    pane_.AppendText(line, insertion_colour_);
    empty_line_ = pane_.Text().empty();
}

void Console::ConsoleInsert(std::string_view text) {
    if (text.empty()) return;
    pane_.AppendText(text, insertion_colour_);
    empty_line_ = false;
}

void Console::ConsoleClear() {
    pane_.SetText("", kConsoleBaseColour);
    empty_line_ = false;
}

void ConsoleTextModel::SetText(std::string_view text, Rgb colour) {
    text_.assign(text);
    colours_.assign(text.size(), colour);
}

void ConsoleTextModel::AppendText(std::string_view text, Rgb colour) {
    text_ += text;
    colours_.insert(colours_.end(), text.size(), colour);
}

std::vector<std::string> ConsoleTextModel::Lines() const {
    std::vector<std::string> lines;
    if (text_.empty()) return lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text_.find('\n', start);
        lines.push_back(text_.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

Rgb ConsoleTextModel::LineColour(std::size_t index) const {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) start = text_.find('\n', start) + 1;
    if (start < text_.size() && text_[start] != '\n') return colours_[start];
    return start > 0 ? colours_[start - 1] : colours_.at(start);
}

}  // namespace ksm
