#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "link/colour.h"

namespace ksm {

// Named colours of the console pane.
inline constexpr Rgb kConsoleBaseColour{0, 255, 255};
inline constexpr Rgb TxDumpColour{230, 137, 132};
inline constexpr Rgb RxDumpColour{165, 228, 167};
inline constexpr Rgb ErrorColour{242, 27, 21};
inline constexpr Rgb NoticeColour{118, 254, 240};
inline constexpr Rgb ValueColour{255, 255, 128};

// The rich-text pane under the console: plain UTF-8 text in which every piece carries a
// colour. Lines are separated by '\n'. The user may edit the pane, so the console always
// asks it for the current text instead of keeping a copy.
class TextPane {
public:
    virtual ~TextPane() = default;
    virtual std::string Text() const = 0;
    // Replaces the whole text, all of it in one colour.
    virtual void SetText(std::string_view text, Rgb colour) = 0;
    // Adds text at the end, in a colour.
    virtual void AppendText(std::string_view text, Rgb colour) = 0;
};

// The single output channel of every operation.
class Console {
public:
    explicit Console(TextPane& pane) : pane_(pane) {}

    void ConsoleSet(std::string_view text);
    void ConsoleAppend(std::string_view text);
    void ConsoleAddLine(std::string_view text);
    void ConsoleSetColour(Rgb colour) { insertion_colour_ = colour; }
    void ConsoleInsert(std::string_view text);
    void ConsoleClear();

    Rgb InsertionColour() const { return insertion_colour_; }
    std::string Text() const { return pane_.Text(); }

private:
    TextPane& pane_;
    Rgb insertion_colour_ = kConsoleBaseColour;
    // An empty text may hold no line at all or one empty line; only the latter makes the
    // next added line start on a new line.
    bool empty_line_ = false;
};

// An in-memory pane that keeps a colour for every byte of its text; the console of tests and
// of programs without a window.
class ConsoleTextModel final : public TextPane {
public:
    std::string Text() const override { return text_; }
    void SetText(std::string_view text, Rgb colour) override;
    void AppendText(std::string_view text, Rgb colour) override;

    // Colour of the byte at an offset of the text.
    Rgb ColourAt(std::size_t offset) const { return colours_.at(offset); }
    // The text split at '\n' (an empty text has no line).
    std::vector<std::string> Lines() const;
    // Colour of the first byte of line `index` (empty lines take the colour of their '\n').
    Rgb LineColour(std::size_t index) const;

private:
    std::string text_;
    std::vector<Rgb> colours_;
};

}  // namespace ksm
