#include <QStringList>
#include <cstdio>
#include <exception>

#include "ui/application.h"
#include "ui/events.h"

int main(int argc, char** argv) {
    // The command line is read before any window system is needed, so a wrong option is
    // reported even where no display is reachable.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    ksm::ui::Options options;
    std::string error;
    if (!ksm::ui::ParseOptions(arguments, options, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    ksm::ui::Application app(argc, argv);
    int result = 0;
    try {
        result = ksm::ui::Run(app, options);
    } catch (const std::exception& failure) {
        // An error that escapes the start is shown like any other; the tool then ends.
        ksm::ui::ShowEscapedError(QString::fromUtf8(failure.what()));
    }
    // Only the pictures of --screenshot and the --dump of a scripted run report their own
    // outcome; the tool itself ends with 0.
    return options.screenshot_folder.empty() && !options.dump ? 0 : result;
}
