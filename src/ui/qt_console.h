#pragma once

#include <QTextEdit>

#include "link/console.h"

namespace ksm::ui {

// The console's text pane on a rich-text widget (RichEdit1).
class QtTextPane final : public TextPane {
public:
    explicit QtTextPane(QTextEdit* edit) : edit_(edit) {}
    std::string Text() const override;
    void SetText(std::string_view text, Rgb colour) override;
    void AppendText(std::string_view text, Rgb colour) override;

private:
    QTextEdit* edit_;
};

}  // namespace ksm::ui
